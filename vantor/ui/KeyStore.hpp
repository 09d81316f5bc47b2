#pragma once
#include "vantor/ui/RegFile.hpp"
#include "vantor/ui/RegistryKey.hpp"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace vantor {

// The per-user registry: keys and string values kept in one REGEDIT4 text file.
// Key paths start with the root ("HKEY_CURRENT_USER\Software\...").
//
// Reads re-read the file. Every write takes an advisory lock on the side file
// "<file>.lock", re-reads the file, applies its change, writes and flushes a
// temporary file in the same folder and renames it over the file, so neither a
// crash nor a second writer leaves a torn file or loses the other's values.
// A file that does not parse is reported with 1004 naming the file and line,
// and is never rewritten. A missing file is an empty store.
class KeyStore {
public:
    // Renames `from` over `to`; replaceable so tests can make the rename fail.
    using RenameFunction =
        std::function<std::error_code(const std::filesystem::path& from, const std::filesystem::path& to)>;

    explicit KeyStore(std::filesystem::path file, RenameFunction rename = {});

    // $VANTOR_REGISTRY when set, else $XDG_CONFIG_HOME/vantor/registry.reg,
    // else $HOME/.config/vantor/registry.reg.
    static std::filesystem::path DefaultPath();
    static KeyStore Default();

    const std::filesystem::path& File() const { return m_file; }

    // Raises 1004 when the key does not exist; 5 for a malformed path.
    RegistryKey OpenKey(std::string_view path, KeyAccess access) const;
    // Creates the key and its missing parents and opens it for writing.
    RegistryKey CreateKey(std::string_view path) const;
    // Deletes the key with all its subkeys; raises 1004 when it does not exist.
    void DeleteKey(std::string_view path) const;
    bool KeyExists(std::string_view path) const;
    // Names of the direct subkeys; raises 1004 when the key does not exist.
    std::vector<std::string> SubkeyNames(std::string_view path) const;

    // Runs `change` on the current contents under the lock and writes the
    // result when it reports a change: many changes, one write.
    void Update(const std::function<bool(RegFile&)>& change) const;

private:
    friend class RegistryKey;

    RegFile Read() const;
    void Replace(const std::string& text) const;

    std::filesystem::path m_file;
    RenameFunction m_rename;
};

} // namespace vantor
