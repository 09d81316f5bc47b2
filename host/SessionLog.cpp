#include "host/SessionLog.hpp"

#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/framework/LibraryInfo.hpp"

#include <cstdlib>
#include <fstream>

namespace vantor::host {

SessionLog::SessionLog() {
    const char* dir = std::getenv(LogVariable);
    if (dir == nullptr) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vantor-session-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            m_dir = pattern;
            m_bOwnDir = true;
            ::setenv(LogVariable, m_dir.c_str(), 1);
        }
    } else if (*dir != '\0') {
        m_dir = dir;
        // Only what this session's pages write.
        std::error_code ignored;
        m_nRead = std::filesystem::file_size(File(), ignored);
        if (ignored) {
            m_nRead = 0;
        }
    }
}

SessionLog::~SessionLog() {
    if (m_bOwnDir) {
        ::unsetenv(LogVariable);
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
}

std::filesystem::path SessionLog::File() const {
    return m_dir / (std::string(library::ProductName) + ".log");
}

std::vector<std::string> SessionLog::NewLines() {
    std::vector<std::string> lines;
    if (m_dir.empty()) {
        return lines;
    }
    std::ifstream in(File(), std::ios::binary);
    if (!in) {
        return lines;
    }
    in.seekg(static_cast<std::streamoff>(m_nRead));
    std::string line;
    while (std::getline(in, line)) {
        m_nRead += line.size() + 1;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

} // namespace vantor::host
