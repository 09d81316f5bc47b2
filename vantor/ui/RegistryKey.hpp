#pragma once
#include "vantor/Export.h"
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

class KeyStore;

// What a key was opened for. A key opened for writing can also be read.
enum class KeyAccess { Read, Write };

// An open key of a KeyStore. Every call goes to the store's file, so a handle
// sees values written meanwhile by other handles and processes. After Close()
// (or on a moved-from handle) every call raises 5.
class VANTOR_API RegistryKey {
public:
    RegistryKey(RegistryKey&&) noexcept = default;
    RegistryKey& operator=(RegistryKey&&) noexcept = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() = default;

    const std::string& Path() const { return m_path; }
    KeyAccess Access() const { return m_access; }
    bool IsOpen() const { return m_store != nullptr; }

    // The text of a string value, in full; nothing when the value is missing,
    // of another kind, or the key has been deleted. The empty name is the default value.
    std::optional<std::string> QueryString(std::string_view name) const;
    // Raises 5 on a key opened for reading or for a text with a line break or
    // NUL, 1004 when the key has been deleted or the file cannot be written.
    void SetString(std::string_view name, std::string_view value);
    // False when there was no such value. Same errors as SetString.
    bool DeleteValue(std::string_view name);
    // Names of all values, of every kind, in file order.
    std::vector<std::string> ValueNames() const;

    void Close() noexcept;

private:
    friend class KeyStore;
    RegistryKey(std::shared_ptr<const KeyStore> store, std::string path, KeyAccess access);

    const KeyStore& Store() const;
    const KeyStore& StoreForWrite() const;

    std::shared_ptr<const KeyStore> m_store;
    std::string m_path;
    KeyAccess m_access;
};

} // namespace vantor
