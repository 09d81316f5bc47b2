#include "vantor/pages/app/SettingsStore.hpp"

#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/TextFunctions.hpp"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

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

std::string SettingsStore::DefaultBackupPath() {
    std::filesystem::path data;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && xdg[0] == '/') {
        data = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] == '\0') {
            const passwd* user = ::getpwuid(::getuid());
            home = user != nullptr ? user->pw_dir : "/";
        }
        data = std::filesystem::path(home) / ".local" / "share";
    }
    return (data / "vantor" / "backup").string();
}

bool SettingsStore::IsTrue(const std::string& text) {
    return ToLower(text) == "true";
}

} // namespace vantor
