#include "vantor/automation/SafeSave.hpp"

#include "vantor/automation/AutomationError.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace vantor {

namespace {

// Temporary files are named "<target name>.tmp-XXXXXX", six letters or digits.
constexpr std::string_view TempInfix = ".tmp-";
constexpr size_t TempSuffixLength = 6;
// As many links as the kernel follows before it reports a loop.
constexpr int MaxLinks = 40;

[[noreturn]] void Refuse(const std::string& what) { throw AutomationError(err::ApplicationDefined, what); }

[[noreturn]] void Fail(const std::string& what, int error) { Refuse(what + ": " + std::strerror(error)); }

std::string FolderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? std::string(".") : folder;
}

// The process's umask, read without changing it where /proc tells it.
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("Umask:")) {
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
        }
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

bool IsTempSuffix(std::string_view suffix) {
    if (suffix.size() != TempSuffixLength) {
        return false;
    }
    for (const char c : suffix) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

// Flushes the finished temporary file and gives it the owner and mode the
// target has (or the mode of a new file).
void SealTempFile(const std::string& tempPath, const struct stat* old, mode_t newFileMode, const std::string& path) {
    const int fd = ::open(tempPath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        Fail("Cannot save " + path + ": the new contents were not written", errno);
    }
    struct stat written {};
    std::string problem;
    if (::fstat(fd, &written) != 0 || !S_ISREG(written.st_mode)) {
        problem = "Cannot save " + path + ": the new contents are not a regular file";
    } else if (old != nullptr && (written.st_uid != old->st_uid || written.st_gid != old->st_gid) &&
               ::fchown(fd, old->st_uid, old->st_gid) != 0) {
        problem = "Cannot save " + path + ": its owner and group cannot be kept (" + std::strerror(errno) + ")";
    } else if (::fchmod(fd, old != nullptr ? (old->st_mode & 07777) : (newFileMode & ~CurrentUmask() & 07777)) != 0) {
        problem = "Cannot save " + path + ": its permissions cannot be kept (" + std::strerror(errno) + ")";
    } else if (::fsync(fd) != 0) {
        problem = "Cannot save " + path + ": flushing to disk failed (" + std::strerror(errno) + ")";
    }
    if (::close(fd) != 0 && problem.empty()) {
        problem = "Cannot save " + path + ": " + std::strerror(errno);
    }
    if (!problem.empty()) {
        Refuse(problem);
    }
}

} // namespace

std::string ResolveSaveTarget(const std::string& path) {
    std::string current = path;
    for (int links = 0; links <= MaxLinks; ++links) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0) {
            if (errno == ENOENT) {
                return current; // a new file, possibly named by a dangling link
            }
            Fail("Cannot save " + path, errno);
        }
        if (!S_ISLNK(st.st_mode)) {
            return current;
        }
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink(current, error);
        if (error) {
            Fail("Cannot save " + path + ": cannot read the link " + current, error.value());
        }
        current = target.is_absolute() ? target.string() : (std::filesystem::path(FolderOf(current)) / target).string();
    }
    Fail("Cannot save " + path, ELOOP);
}

void SafeSave(const std::string& path, const std::function<void(const std::string& tempPath)>& write,
              mode_t newFileMode) {
    const std::string target = ResolveSaveTarget(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) {
        Fail("Cannot save " + path, errno);
    }
    if (exists) {
        if (!S_ISREG(old.st_mode)) {
            Refuse("Cannot save " + path + ": it is not a regular file");
        }
        // Write permission alone would let the superuser overwrite a read-only file.
        if ((old.st_mode & 0222) == 0) {
            Refuse("Cannot save " + path + ": the file is read-only");
        }
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
            Fail("Cannot save " + path + ": the file cannot be written", errno);
        }
    }

    std::string tempPath = target + std::string(TempInfix) + std::string(TempSuffixLength, 'X');
    const int fd = ::mkostemp(tempPath.data(), O_CLOEXEC);
    if (fd < 0) {
        Fail("Cannot save " + path + ": cannot create a temporary file in " + FolderOf(target), errno);
    }
    ::close(fd);
    try {
        write(tempPath);
        SealTempFile(tempPath, exists ? &old : nullptr, newFileMode, path);
        if (::rename(tempPath.c_str(), target.c_str()) != 0) {
            Fail("Cannot save " + path + ": cannot replace the file", errno);
        }
    } catch (const AutomationError&) {
        ::unlink(tempPath.c_str());
        throw;
    } catch (const std::exception& e) {
        ::unlink(tempPath.c_str());
        Refuse("Cannot save " + path + ": " + e.what());
    } catch (...) {
        ::unlink(tempPath.c_str());
        Refuse("Cannot save " + path);
    }
    // The rename is done; syncing the folder only makes it durable sooner.
    const int folder = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

void RemoveStaleSaveFiles(const std::string& path) noexcept {
    try {
        const std::string target = ResolveSaveTarget(path);
        const std::string prefix = std::filesystem::path(target).filename().string() + std::string(TempInfix);
        const std::string folder = FolderOf(target);
        DIR* dir = ::opendir(folder.c_str());
        if (dir == nullptr) {
            return;
        }
        while (const dirent* entry = ::readdir(dir)) {
            const std::string_view name = entry->d_name;
            if (!name.starts_with(prefix) || !IsTempSuffix(name.substr(prefix.size()))) {
                continue;
            }
            // Only files: a link or folder of that name is not ours.
            struct stat st {};
            if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode)) {
                ::unlinkat(::dirfd(dir), entry->d_name, 0);
            }
        }
        ::closedir(dir);
    } catch (...) {
        // Stale files only cost space; the next save tries again.
    }
}

} // namespace vantor
