#pragma once
#include "vantor/framework/PropertyPage.hpp"
#include "vantor/pages/app/SettingsStore.hpp"
#include "vantor/ui/CheckBox.hpp"
#include "vantor/ui/CommandButton.hpp"
#include "vantor/ui/CompartLine.hpp"
#include "vantor/ui/Label.hpp"
#include "vantor/ui/TextBox.hpp"

namespace vantor {

// The application settings that the object model does not hold: name
// patterns of new workbooks and sheets, the backup before saving and its
// folder. They live in the settings store; the page ignores its targets.
class AppMisc : public PropertyPage {
public:
    AppMisc();
    std::string ClassName() const override { return "AppMisc"; }

    static constexpr const char* MessageTitle = "Options";
    static constexpr const char* FolderTitle = "Choose the folder for backup copies";
    static constexpr const char* NoBookName = "Enter a name for new workbooks.";
    static constexpr const char* NoSheetName = "Enter a name for new sheets.";
    static constexpr const char* NoBackupFolder = "Enter a folder for backup copies.";
    static constexpr const char* NotSaved = "The settings could not be saved. ";
    static constexpr const char* StoreProblem = "The stored settings could not be read in full. ";

    int32_t SetTargets(const std::shared_ptr<TargetList>& paTargets) noexcept override;
    int32_t SetParam(const Variant& vtParam) noexcept override;
    int32_t ValidateData() noexcept override;
    int32_t OnReset() noexcept override;
    int32_t OnApply() noexcept override;

    const std::shared_ptr<Label> Label1 =
        Add<Label>("Label1", {120, 165, 2295, 195}, "Name of new workbooks:");
    const std::shared_ptr<TextBox> DefaultBookName =
        Add<TextBox>("DefaultBookName", {2520, 120, 2295, 285});
    const std::shared_ptr<Label> Label2 =
        Add<Label>("Label2", {120, 525, 2295, 195}, "Name of new sheets:");
    const std::shared_ptr<TextBox> DefaultSheetName =
        Add<TextBox>("DefaultSheetName", {2520, 480, 2295, 285});
    const std::shared_ptr<Label> Label3 =
        Add<Label>("Label3", {120, 885, 4695, 195},
                   "%1 stands for the number: Sheet%1 gives Sheet1, Sheet2, ...");
    const std::shared_ptr<CompartLine> CompartLine1 =
        Add<CompartLine>("CompartLine1", {60, 1230, 4815, 30});
    const std::shared_ptr<CheckBox> BackupBeforeSave = Add<CheckBox>(
        "BackupBeforeSave", {120, 1380, 4695, 255}, "Make a backup copy before saving");
    const std::shared_ptr<Label> Label4 =
        Add<Label>("Label4", {360, 1785, 1455, 195}, "Backup folder:");
    const std::shared_ptr<TextBox> BakFilePath =
        Add<TextBox>("BakFilePath", {1920, 1740, 2475, 285});
    const std::shared_ptr<CommandButton> Command1 =
        Add<CommandButton>("Command1", {4440, 1740, 375, 285}, "...");

protected:
    // Reset and apply are the settings sequences, not the skeleton's steps.
    void LoadControls(ErrorTrap&) override {}
    void ApplyControls(ErrorTrap&) override {}

private:
    void LoadSettings();
    void SaveSettings();
    void BackupBeforeSaveClick();
    // What the page shows now is what an apply compares with.
    void SaveShownValues();
    void ReportStoreProblem(const std::string& description);

    SettingsStore m_store{KeyStore::Default()};
};

} // namespace vantor
