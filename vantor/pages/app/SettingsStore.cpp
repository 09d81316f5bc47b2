#include "vantor/pages/app/SettingsStore.hpp"

#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/TextFunctions.hpp"

namespace vantor {

std::optional<RegistryKey> SettingsStore::OpenForReading() const {
    try {
        return m_store.OpenKey(KeyPath, KeyAccess::Read);
    } catch (const AutomationError&) {
        // A missing key (or an unreadable store) is no error: the defaults serve.
        return std::nullopt;
    }
}

RegistryKey SettingsStore::OpenForWriting() const {
    return m_store.CreateKey(KeyPath);
}

std::string SettingsStore::ReadRegString(const RegistryKey& key, std::string_view name,
                                         const std::string& defaultText) {
    return key.QueryString(name).value_or(defaultText);
}

void SettingsStore::WriteRegString(RegistryKey& key, std::string_view name,
                                   const std::string& text) {
    key.SetString(name, text);
}

bool SettingsStore::IsTrue(const std::string& text) {
    return ToLower(text) == "true";
}

} // namespace vantor
