#pragma once
#include "vantor/Export.h"
#include "vantor/ui/RegFile.hpp"
#include "vantor/ui/RegistryKey.hpp"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// The per-user registry: keys and string values kept in one REGEDIT4 text file.
// Key paths start with the root ("HKEY_CURRENT_USER\Software\...").
//
// Reads re-read the file. Every write takes an advisory lock on the side file
// "<file>.lock", re-reads the file, applies its change and saves it safely
// (SafeSave: through links, keeping owner and mode, a temporary file renamed
// over the file), so neither a crash nor a second writer leaves a torn file or
// loses the other's values. Only regular files up to MaxFileSize are read; a
// file that is no registry file raises 1004 naming it and is never rewritten.
// A missing file is an empty store.
class VANTOR_API KeyStore {
public:
    static constexpr size_t MaxFileSize = size_t{64} << 20;

    explicit KeyStore(std::filesystem::path file) : m_file(std::move(file)) {}

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

    // One read of the file.
    RegFile Read() const;
    // Runs `change` on the current contents under the lock and writes the
    // result when it reports a change: many changes, one write, all or none.
    void Update(const std::function<bool(RegFile&)>& change) const;

private:
    std::filesystem::path m_file;
};

} // namespace vantor
