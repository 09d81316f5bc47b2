#include "xlsx/WorkbookFile.hpp"

#include "model/Application.hpp"
#include "model/Workbook.hpp"
#include "xlsx/Refusal.hpp"
#include "xlsx/SourcePackage.hpp"
#include "xlsx/WorkbookReader.hpp"
#include "xlsx/WorkbookWriter.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace vantor::xlsx {

namespace {

// Writes through `write` to a temporary file beside the target, flushes it
// and renames it over the target, keeping the target's permissions; a
// failure leaves the target as it was and no temporary file behind.
void WriteReplacing(const std::string& path, const std::function<void(const std::string&)>& write) {
    std::string target = path;
    char resolved[4096];
    const ssize_t n = readlink(path.c_str(), resolved, sizeof resolved - 1);
    if (n > 0) {
        resolved[n] = '\0';
        target = resolved[0] == '/' || path.find('/') == std::string::npos
                     ? std::string(resolved)
                     : path.substr(0, path.rfind('/') + 1) + resolved;
    }
    struct stat st {};
    const bool exists = stat(target.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        Refuse(path, "", "not a regular file; the workbook is not saved there");
    }
    if (exists && access(target.c_str(), W_OK) != 0) {
        Refuse(path, "", "the file is read-only; the workbook is not saved");
    }
    const std::string temp = target + ".vantor-save";
    try {
        write(temp);
        const int fd = open(temp.c_str(), O_RDONLY);
        if (fd < 0 || fsync(fd) != 0) {
            if (fd >= 0) {
                close(fd);
            }
            Refuse(path, "", std::string("cannot be written: ") + std::strerror(errno));
        }
        close(fd);
        if (exists) {
            chmod(temp.c_str(), st.st_mode & 07777);
        }
        if (std::rename(temp.c_str(), target.c_str()) != 0) {
            Refuse(path, "", std::string("cannot be replaced: ") + std::strerror(errno));
        }
    } catch (...) {
        std::remove(temp.c_str());
        throw;
    }
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa {}, sb {};
    return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

} // namespace

std::shared_ptr<model::Workbook> OpenWorkbook(const std::shared_ptr<model::Application>& app,
                                              const std::string& path) {
    auto book = WorkbookReader(app, path).Read();
    app->AddExistingWorkbook(book);
    book->History().Clear();
    book->SetSaved(true);
    return book;
}

std::string SaveWorkbook(model::Workbook& book, const std::string& path) {
    WorkbookWriter writer(book);
    const std::string losses = writer.Losses();
    const auto* source = dynamic_cast<const SourcePackage*>(book.Source().get());
    if (!losses.empty() && source && SameFile(path, source->fileName)) {
        Refuse(path, "", "saving over the file would lose " + losses.substr(0, losses.size() - 1) +
                             "; save it under another name");
    }
    WriteReplacing(path, [&](const std::string& temp) { writer.Write(temp); });
    book.SetFullName(path);
    book.SetSaved(true);
    return losses;
}

} // namespace vantor::xlsx
