#include "vantor/ui/KeyStore.hpp"

#include "vantor/automation/AutomationError.hpp"

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

std::error_code RenameFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return error;
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

// Makes a rename in the folder durable; a failure here loses nothing already renamed.
void SyncFolder(const std::filesystem::path& folder) {
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.IsValid()) {
        ::fsync(fd.Get());
    }
}

} // namespace

KeyStore::KeyStore(std::filesystem::path file, RenameFunction rename)
    : m_file(std::move(file)), m_rename(rename ? std::move(rename) : RenameFunction(RenameFile)) {}

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
    FileDescriptor fd(::open(m_file.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.IsValid()) {
        if (errno == ENOENT) {
            return RegFile();
        }
        Fail("Cannot read the registry file " + m_file.string(), errno);
    }
    std::string text;
    char buffer[65536];
    while (true) {
        const ssize_t count = ::read(fd.Get(), buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail("Cannot read the registry file " + m_file.string(), errno);
        }
        if (count == 0) {
            break;
        }
        text.append(buffer, static_cast<size_t>(count));
    }
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
    // The data file is replaced on every write, so the lock lives on a file of its own.
    const std::string lockPath = m_file.string() + ".lock";
    const FileDescriptor lock(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (!lock.IsValid()) {
        Fail("Cannot open the lock file " + lockPath, errno);
    }
    while (::flock(lock.Get(), LOCK_EX) != 0) {
        if (errno != EINTR) {
            Fail("Cannot lock " + lockPath, errno);
        }
    }
    RegFile file = Read();
    if (change(file)) {
        Replace(file.Serialize());
    }
}

void KeyStore::Replace(const std::string& text) const {
    std::string pattern = m_file.string() + ".tmp-XXXXXX";
    FileDescriptor temp(::mkostemp(pattern.data(), O_CLOEXEC));
    if (!temp.IsValid()) {
        Fail("Cannot create a temporary file next to " + m_file.string(), errno);
    }
    const std::filesystem::path tempPath = pattern;
    try {
        WriteAll(temp.Get(), text);
        // Keep the permissions of the file being replaced; a new file stays private (0600).
        struct stat current {};
        if (::stat(m_file.c_str(), &current) == 0) {
            ::fchmod(temp.Get(), current.st_mode & 07777);
        }
        if (::fsync(temp.Get()) != 0) {
            Fail("Cannot flush " + tempPath.string(), errno);
        }
        if (!temp.Close()) {
            Fail("Cannot write " + tempPath.string(), errno);
        }
        if (const std::error_code error = m_rename(tempPath, m_file)) {
            throw AutomationError(err::ApplicationDefined,
                                  "Cannot replace the registry file " + m_file.string() + ": " + error.message());
        }
    } catch (...) {
        ::unlink(tempPath.c_str());
        throw;
    }
    SyncFolder(m_file.has_parent_path() ? m_file.parent_path() : std::filesystem::path("."));
}

} // namespace vantor
