#pragma once
#include "vantor/automation/Object.hpp"
#include "vantor/ui/KeyStore.hpp"

#include <map>
#include <string>

namespace vantor::host {

// The application's options kept between runs: one string value per option
// under the options key of the settings store, named as the application's
// member ("UndoMaxNum"="16"). They are loaded into each new application and
// saved when the Options or New Workbook Defaults dialog applies.
class OptionsStore {
public:
    static constexpr const char* KeyPath =
        "HKEY_CURRENT_USER\\Software\\Corvane\\Ovrin2002\\Tabo\\Options";
    static constexpr const char* Problem =
        "The stored options cannot be read; the defaults are used. ";
    static constexpr const char* SaveProblem = "The options could not be kept: ";
    static constexpr const char* MessageTitle = "Options";
    // The members kept, in the order they are loaded.
    static constexpr const char* Members[] = {
        "EnableUndo",         "UndoMaxNum",      "SheetsInNewWorkbook",
        "FixedDecimal",       "FixedDecimalPlaces", "MoveAfterReturn",
        "MoveAfterReturnDirection", "DefaultDisplayGridlines", "DefaultGridlineColor",
        "DefaultGridlineColorIndex"};

    explicit OptionsStore(KeyStore store) : m_store(std::move(store)) {}

    // Puts each stored option into the application. What cannot be read
    // leaves its default, and is said once (a message and a log line).
    void Load(const ObjectRef& app);
    // Writes the options that differ from those loaded or last saved, in one
    // locked read-modify-write. A failure is said, never raised.
    void Save(const ObjectRef& app);

private:
    void Report(const std::string& message, const std::string& description);

    KeyStore m_store;
    // The options as the store holds them now, by member.
    std::map<std::string, std::string> m_kept;
    bool m_bReported = false;
};

} // namespace vantor::host
