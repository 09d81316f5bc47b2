#include "vantor/ui/KeyStore.hpp"

#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/SafeSave.hpp"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace vantor {

namespace {

// Owns a file descriptor; closing it also releases a flock held through it.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int Get() const { return m_fd; }
    bool IsValid() const { return m_fd >= 0; }
    // Closes now and reports whether the close succeeded (it can report a failed write).
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

[[noreturn]] void Fail(const std::string& what, int error) {
    throw AutomationError(err::ApplicationDefined, what + ": " + std::strerror(error));
}

void CheckPath(std::string_view path) {
    if (const std::optional<std::string> problem = RegFile::KeyPathProblem(path)) {
        throw AutomationError(err::InvalidCall, "Invalid key path: " + *problem);
    }
}

[[noreturn]] void FailMissing(std::string_view path) {
    throw AutomationError(err::ApplicationDefined, "Key " + std::string(path) + " does not exist");
}

std::string NonEmptyVariable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

std::filesystem::path HomeFolder() {
    const std::string home = NonEmptyVariable("HOME");
    if (!home.empty()) {
        return home;
    }
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* result = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &result) == 0 && result != nullptr &&
        result->pw_dir != nullptr && *result->pw_dir != '\0') {
        return result->pw_dir;
    }
    throw AutomationError(err::ApplicationDefined, "The home folder of the current user is unknown");
}

void WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail("Cannot write the registry file", errno);
        }
        text.remove_prefix(static_cast<size_t>(written));
    }
}

} // namespace

std::filesystem::path KeyStore::DefaultPath() {
    const std::string file = NonEmptyVariable("VANTOR_REGISTRY");
    if (!file.empty()) {
        return file;
    }
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the XDG rules say.
    const std::filesystem::path config = NonEmptyVariable("XDG_CONFIG_HOME");
    const std::filesystem::path base = config.is_absolute() ? config : HomeFolder() / ".config";
    return base / "vantor" / "registry.reg";
}

KeyStore KeyStore::Default() { return KeyStore(DefaultPath()); }

RegistryKey KeyStore::OpenKey(std::string_view path, KeyAccess access) const {
    CheckPath(path);
    if (!Read().HasKey(path)) {
        FailMissing(path);
    }
    return RegistryKey(std::make_shared<const KeyStore>(*this), std::string(path), access);
}

RegistryKey KeyStore::CreateKey(std::string_view path) const {
    CheckPath(path);
    Update([&](RegFile& file) { return file.CreateKey(path); });
    return RegistryKey(std::make_shared<const KeyStore>(*this), std::string(path), KeyAccess::Write);
}

void KeyStore::DeleteKey(std::string_view path) const {
    CheckPath(path);
    if (path.find('\\') == std::string_view::npos) {
        throw AutomationError(err::InvalidCall, "The root key " + std::string(path) + " cannot be deleted");
    }
    Update([&](RegFile& file) {
        if (!file.HasKey(path)) {
            FailMissing(path);
        }
        return file.DeleteKey(path);
    });
}

bool KeyStore::KeyExists(std::string_view path) const {
    CheckPath(path);
    return Read().HasKey(path);
}

std::vector<std::string> KeyStore::SubkeyNames(std::string_view path) const {
    CheckPath(path);
    const RegFile file = Read();
    if (!file.HasKey(path)) {
        FailMissing(path);
    }
    return file.SubkeyNames(path);
}

RegFile KeyStore::Read() const {
    // Not blocking: a pipe named like the store must not hang the reader.
    FileDescriptor fd(::open(m_file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.IsValid()) {
        if (errno == ENOENT) {
            return RegFile();
        }
        Fail("Cannot read the registry file " + m_file.string(), errno);
    }
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0) {
        Fail("Cannot read the registry file " + m_file.string(), errno);
    }
    if (!S_ISREG(st.st_mode)) {
        throw AutomationError(err::ApplicationDefined,
                              "Cannot read the registry file " + m_file.string() + ": it is not a regular file");
    }
    const auto tooLarge = [&] {
        return AutomationError(err::ApplicationDefined, "Cannot read the registry file " + m_file.string() +
                                                            ": it is larger than " +
                                                            std::to_string(MaxFileSize >> 20) + " MiB");
    };
    if (static_cast<uint64_t>(st.st_size) > MaxFileSize) {
        throw tooLarge();
    }
    // One byte more than the size, to see a file that grew meanwhile.
    std::string text(static_cast<size_t>(st.st_size) + 1, '\0');
    size_t filled = 0;
    while (true) {
        if (filled == text.size()) {
            if (text.size() > MaxFileSize) {
                throw tooLarge();
            }
            text.resize(std::min(text.size() * 2, MaxFileSize + 1));
        }
        const ssize_t count = ::read(fd.Get(), text.data() + filled, text.size() - filled);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail("Cannot read the registry file " + m_file.string(), errno);
        }
        if (count == 0) {
            break;
        }
        filled += static_cast<size_t>(count);
    }
    text.resize(filled);
    return RegFile::Parse(text, m_file.string());
}

void KeyStore::Update(const std::function<bool(RegFile&)>& change) const {
    const std::filesystem::path folder = m_file.parent_path();
    if (!folder.empty()) {
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (error) {
            Fail("Cannot create the folder " + folder.string(), error.value());
        }
    }
    // The data file is replaced on every write, so the lock lives on a file of
    // its own, beside the file that links lead to, so every path to it shares it.
    const std::string target = ResolveSaveTarget(m_file.string());
    const std::string lockPath = target + ".lock";
    int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    const bool created = fd >= 0;
    if (!created && errno == EEXIST) {
        // flock needs no write access, so a lock file of another user serves too.
        fd = ::open(lockPath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    }
    const FileDescriptor lock(fd);
    if (!lock.IsValid()) {
        Fail("Cannot open the lock file " + lockPath, errno);
    }
    struct stat store {};
    if (created && ::stat(target.c_str(), &store) == 0) {
        // A lock file of another owner would shut the store's owner out.
        [[maybe_unused]] const int ignored = ::fchown(lock.Get(), store.st_uid, store.st_gid);
    }
    while (::flock(lock.Get(), LOCK_EX) != 0) {
        if (errno != EINTR) {
            Fail("Cannot lock " + lockPath, errno);
        }
    }
    RemoveStaleSaveFiles(m_file.string());
    RegFile file = Read();
    if (!change(file)) {
        return;
    }
    const std::string text = file.Serialize();
    SafeSave(m_file.string(),
             [&](const std::string& tempPath) {
                 FileDescriptor temp(::open(tempPath.c_str(), O_WRONLY | O_TRUNC | O_NOFOLLOW | O_CLOEXEC));
                 if (!temp.IsValid()) {
                     Fail("Cannot write " + tempPath, errno);
                 }
                 WriteAll(temp.Get(), text);
                 if (!temp.Close()) {
                     Fail("Cannot write " + tempPath, errno);
                 }
             },
             0600);
}

} // namespace vantor
