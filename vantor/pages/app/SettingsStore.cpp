#include "vantor/pages/app/SettingsStore.hpp"

#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/TextFunctions.hpp"

namespace vantor {

std::optional<RegFile> SettingsStore::OpenForReading() const {
    RegFile file = m_store.Read();
    if (!file.HasKey(KeyPath)) {
        return std::nullopt;
    }
    return file;
}

void SettingsStore::Save(const Changes& changes) const {
    for (const auto& [name, text] : changes) {
        if (const std::optional<std::string> problem = RegFile::TextProblem(text)) {
            throw AutomationError(err::ApplicationDefined, "The setting " + name + " cannot be stored: " + *problem);
        }
    }
    m_store.Update([&](RegFile& file) {
        bool changed = false;
        for (const auto& [name, text] : changes) {
            if (file.QueryString(KeyPath, name) != text) {
                file.SetString(KeyPath, name, text);
                changed = true;
            }
        }
        return changed;
    });
}

std::string SettingsStore::ReadRegString(const RegFile& key, std::string_view name, const std::string& defaultText) {
    return key.QueryString(KeyPath, name).value_or(defaultText);
}

bool SettingsStore::IsTrue(const std::string& text) {
    return ToLower(text) == "true";
}

} // namespace vantor
