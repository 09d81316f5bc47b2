// The session script reader and the commands it runs. A script either runs to
// its end (status 0, nothing on the error stream) or stops at a script error
// (status 2, "line N: ..." on the error stream); nothing else may happen.
// Sessions run on an embedded workbook in a folder of their own: scripts that
// name a file to open or save are left out, and the key store, the desktop's
// folders and the log (emptied for each input) all point into that folder.
#include "host/Session.hpp"
#include "host/SessionText.hpp"
#include "vantor/framework/LibraryInfo.hpp"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

namespace {

std::filesystem::path g_log;

// Whether a line opens or saves a workbook file.
bool NamesAFile(const std::string& line) {
    const auto tokens = vantor::host::SplitLine(line);
    if (!tokens || tokens->empty()) {
        return false;
    }
    const std::string& command = tokens->front().text;
    if (command == "save") {
        return true;
    }
    if (command != "workbook" || tokens->size() < 2) {
        return false;
    }
    const vantor::host::Token& which = (*tokens)[1];
    return which.quoted || (which.text != "sample" && which.text != "empty");
}

} // namespace

// fontconfig keeps its configuration for the life of the process.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string folder = (std::filesystem::temp_directory_path() / "vantor-fuzz-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        std::abort();
    }
    ::setenv("VANTOR_REGISTRY", (folder + "/registry.reg").c_str(), 1);
    ::setenv("HOME", folder.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    ::setenv("XDG_DATA_HOME", folder.c_str(), 1);
    ::setenv("TaboDialogControlLog", folder.c_str(), 1);
    g_log = std::filesystem::path(folder) / (std::string(vantor::library::ProductName) + ".log");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream lines(text);
    std::string line;
    for (vantor::host::LineRead read;
         (read = vantor::host::ReadLine(lines, line)) != vantor::host::LineRead::End;) {
        if (read == vantor::host::LineRead::Line && NamesAFile(line)) {
            return 0;
        }
    }
    std::error_code ignored;
    std::filesystem::resize_file(g_log, 0, ignored);
    std::istringstream script(text);
    std::ostringstream out, err;
    int status = 0;
    {
        vantor::host::Session session(out, err);
        status = session.Run(script);
    }
    const bool reported = err.str().rfind("line ", 0) == 0;
    if ((status != 0 && status != 2) || (status == 2) != reported || (status == 0 && !err.str().empty())) {
        std::abort();
    }
    return 0;
}
