#pragma once
#include "vantor/pages/app/SettingsStore.hpp"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace vantor::test {

// Points the key store at a registry file of the test's own, so that no test
// ever touches the user's.
class RegistryFile {
public:
    RegistryFile() {
        std::string dir = (std::filesystem::temp_directory_path() / "vantor-reg-XXXXXX").string();
        m_dir = ::mkdtemp(dir.data());
        ::setenv("VANTOR_REGISTRY", File().c_str(), 1);
    }
    ~RegistryFile() {
        ::unsetenv("VANTOR_REGISTRY");
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
    RegistryFile(const RegistryFile&) = delete;
    RegistryFile& operator=(const RegistryFile&) = delete;

    std::filesystem::path File() const { return m_dir / "registry.reg"; }
    // Stores a value under the settings key, creating the key.
    void Store(const std::string& name, const std::string& value) const {
        KeyStore(File()).CreateKey(SettingsStore::KeyPath).SetString(name, value);
    }
    std::optional<std::string> Read(const std::string& name) const {
        return KeyStore(File()).OpenKey(SettingsStore::KeyPath, KeyAccess::Read).QueryString(name);
    }
    bool HasKey() const { return KeyStore(File()).KeyExists(SettingsStore::KeyPath); }

private:
    std::filesystem::path m_dir;
};

} // namespace vantor::test
