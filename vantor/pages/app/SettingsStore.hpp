#pragma once
#include "vantor/ui/KeyStore.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantor {

// The settings that the object model does not hold (name patterns of new
// workbooks and sheets, the backup before saving and its folder), kept as
// string values under one key of the per-user registry.
//
// A page open is one read of the store and a page's apply one locked
// read-modify-write of it, so an apply is saved whole or not at all and
// leaves alone what other programs wrote meanwhile.
class SettingsStore {
public:
    static constexpr const char* KeyPath =
        "HKEY_CURRENT_USER\\Software\\Corvane\\Ovrin2002\\Tabo\\CFGS";
    static constexpr const char* BookNameValue = "App.DefaultBookName";
    static constexpr const char* SheetNameValue = "Book.DefaultSheetName";
    static constexpr const char* BackupValue = "Book.BackupBeforeSave";
    static constexpr const char* BackupPathValue = "Book.BackupPath";

    // %1 stands for the running number of the new workbook or sheet.
    static constexpr const char* DefaultBookName = "Book %1";
    static constexpr const char* DefaultSheetName = "Sheet%1";
    static constexpr const char* DefaultBackup = "false";
    // The backup folder where none is stored: "vantor/backup" in the user's
    // data directory ($XDG_DATA_HOME, or ~/.local/share when it is unset or
    // not absolute). Only named here; whoever makes a backup creates it.
    static std::string DefaultBackupPath();

    // Values to write, by name, in order.
    using Changes = std::vector<std::pair<std::string, std::string>>;

    explicit SettingsStore(KeyStore store) : m_store(std::move(store)) {}

    // The store's contents, read once; nothing when the settings key is
    // missing. Raises 1004 when the store cannot be read.
    std::optional<RegFile> OpenForReading() const;
    // Writes the values under the settings key (created when missing) in one
    // locked read-modify-write. Raises 1004, having written nothing, when a
    // value cannot be stored or the store cannot be written.
    void Save(const Changes& changes) const;

    // The value in full, or the default text when it is missing.
    static std::string ReadRegString(const RegFile& key, std::string_view name, const std::string& defaultText);

    // Booleans are stored "True" or "False"; only a text that reads "true"
    // without regard to case counts as set.
    static bool IsTrue(const std::string& text);
    static std::string BooleanText(bool value) { return value ? "True" : "False"; }

private:
    KeyStore m_store;
};

} // namespace vantor
