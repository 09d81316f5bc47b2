#include "vantor/pages/app/AppMisc.hpp"

#include "vantor/framework/ErrorRecording.hpp"
#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/pages/app/BrowseFolder.hpp"
#include "vantor/ui/Environment.hpp"

#include <set>

namespace vantor {

// The page logs nothing of its own.
AppMisc::AppMisc() : PropertyPage({}, PageCounter::None, "Miscellaneous", {0, 0, 4935, 2205}) {
    NotifyOn(*DefaultBookName, ev::Change);
    NotifyOn(*DefaultSheetName, ev::Change);
    NotifyOn(*BakFilePath, ev::Change);
    BackupBeforeSave->On(ev::Click, [this](EventArgs&) { BackupBeforeSaveClick(); });
    Command1->On(ev::Click, [this](EventArgs&) {
        BakFilePath->SetText(SelectFolder(BakFilePath->Text(), FolderTitle));
        NotifyModified(true); // also after a cancel
    });
    // The page shows the stored values before the host resets it.
    OnReset();
}

void AppMisc::BackupBeforeSaveClick() {
    BakFilePath->SetEnabled(BackupBeforeSave->Value() != 0);
    Command1->SetEnabled(BakFilePath->Enabled());
    NotifyModified(true);
}

int32_t AppMisc::SetTargets(const std::shared_ptr<TargetList>&) noexcept {
    const ErrorRecording recording(m_lastError);
    return 0;
}

int32_t AppMisc::SetParam(const Variant&) noexcept {
    const ErrorRecording recording(m_lastError);
    return 0;
}

int32_t AppMisc::ValidateData() noexcept {
    const ErrorRecording recording(m_lastError);
    ErrorTrap trap;
    int32_t result = 0;
    trap([&] {
        const char* refusal = DefaultBookName->Text().empty()    ? NoBookName
                              : DefaultSheetName->Text().empty() ? NoSheetName
                              : BakFilePath->Text().empty()      ? NoBackupFolder
                                                                 : nullptr;
        if (refusal != nullptr) {
            Environment::Current().MessageBox(refusal, msgbox::OkOnly | msgbox::Information,
                                              MessageTitle);
            result = 1;
        }
    });
    CheckError("", trap);
    return result;
}

int32_t AppMisc::OnReset() noexcept {
    const ErrorRecording recording(m_lastError);
    ErrorTrap trap;
    trap([&] { LoadSettings(); });
    m_bLoading = false; // also when loading stopped half-way
    CheckError("", trap);
    return 0;
}

int32_t AppMisc::OnApply() noexcept {
    const ErrorRecording recording(m_lastError);
    ErrorTrap trap;
    if (!trap([&] { SaveSettings(); })) {
        // The user confirmed these settings: never lose them silently.
        const std::string message = NotSaved + trap.Description();
        trap([&] {
            Environment::Current().MessageBox(message, msgbox::OkOnly | msgbox::Exclamation,
                                              MessageTitle);
        });
    }
    CheckError("", trap);
    return 0;
}

void AppMisc::LoadSettings() {
    m_bLoading = true;
    std::optional<RegFile> store;
    try {
        store = m_store.OpenForReading();
    } catch (const AutomationError& error) {
        // An unreadable store shows the defaults, as a missing key does, but not silently.
        ReportStoreProblem(error.Description());
    }
    if (store && store->Problem()) {
        ReportStoreProblem(*store->Problem());
    }
    const auto read = [&store](const char* name, const std::string& defaultText) {
        return store ? SettingsStore::ReadRegString(*store, name, defaultText) : defaultText;
    };
    DefaultBookName->SetText(read(SettingsStore::BookNameValue, SettingsStore::DefaultBookName));
    DefaultSheetName->SetText(read(SettingsStore::SheetNameValue, SettingsStore::DefaultSheetName));
    const std::string backup = read(SettingsStore::BackupValue, SettingsStore::DefaultBackup);
    BackupBeforeSave->SetValue(SettingsStore::IsTrue(backup) ? 1 : 0);
    // The folder box follows the check box even when its value did not change.
    BackupBeforeSaveClick();
    // Without a stored folder the page offers one, so that the settings can be
    // confirmed on a profile no installer prepared.
    BakFilePath->SetText(read(SettingsStore::BackupPathValue, SettingsStore::DefaultBackupPath()));
    SaveShownValues();
    m_bLoading = false;
}

void AppMisc::SaveSettings() {
    // Only what the user changed: another program's settings saved meanwhile stay.
    SettingsStore::Changes changes;
    if (DefaultBookName->ChangedFromSaved()) {
        changes.emplace_back(SettingsStore::BookNameValue, DefaultBookName->Text());
    }
    if (DefaultSheetName->ChangedFromSaved()) {
        changes.emplace_back(SettingsStore::SheetNameValue, DefaultSheetName->Text());
    }
    if (BackupBeforeSave->ChangedFromSaved()) {
        changes.emplace_back(SettingsStore::BackupValue, SettingsStore::BooleanText(BackupBeforeSave->Value() != 0));
    }
    if (BakFilePath->ChangedFromSaved()) {
        changes.emplace_back(SettingsStore::BackupPathValue, BakFilePath->Text());
    }
    if (!changes.empty()) {
        m_store.Save(changes);
    }
    SaveShownValues();
}

void AppMisc::SaveShownValues() {
    DefaultBookName->SaveValue();
    DefaultSheetName->SaveValue();
    BackupBeforeSave->SaveValue();
    BakFilePath->SaveValue();
}

void AppMisc::ReportStoreProblem(const std::string& description) {
    // Once per process for each problem: every page open would repeat it.
    static std::set<std::string> reported;
    if (!reported.insert(description).second) {
        return;
    }
    WriteLog("Error: " + std::to_string(err::ApplicationDefined) + "," + description);
    Environment::Current().MessageBox(StoreProblem + description, msgbox::OkOnly | msgbox::Exclamation,
                                      MessageTitle);
}

} // namespace vantor
