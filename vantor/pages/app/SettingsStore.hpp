#pragma once
#include "vantor/ui/KeyStore.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// The settings that the object model does not hold (name patterns of new
// workbooks and sheets, the backup before saving and its folder), kept as
// string values under one key of the per-user registry.
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
    static constexpr const char* DefaultBackupPath = "C:\\Temp";

    explicit SettingsStore(KeyStore store) : m_store(std::move(store)) {}

    // The key for reading; nothing when it is missing or the store cannot be read.
    std::optional<RegistryKey> OpenForReading() const;
    // The key for writing, created when it is missing.
    RegistryKey OpenForWriting() const;

    // The value in full, or the default text when it is missing.
    static std::string ReadRegString(const RegistryKey& key, std::string_view name,
                                     const std::string& defaultText);
    static void WriteRegString(RegistryKey& key, std::string_view name, const std::string& text);

    // Booleans are stored "True" or "False"; only a text that reads "true"
    // without regard to case counts as set.
    static bool IsTrue(const std::string& text);
    static std::string BooleanText(bool value) { return value ? "True" : "False"; }

private:
    KeyStore m_store;
};

} // namespace vantor
