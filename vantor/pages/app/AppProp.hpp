#pragma once
#include "vantor/framework/PropertyPage.hpp"
#include "vantor/ui/CheckBox.hpp"
#include "vantor/ui/ComboBox.hpp"
#include "vantor/ui/CompartLine.hpp"
#include "vantor/ui/Label.hpp"
#include "vantor/ui/NumberEdit.hpp"

namespace vantor {

// Application-wide editing options: undo and its depth, sheets in a new
// workbook, the fixed decimal point, the move after Enter and the file
// association. The target is the application.
class AppProp : public PropertyPage {
public:
    AppProp();
    std::string ClassName() const override { return "AppProp"; }

    static constexpr const char* UndoOffQuestion =
        "Turning undo off clears the steps that can be undone now. Turn it off?";

    const std::shared_ptr<CheckBox> chkUndoRedo =
        Add<CheckBox>("chkUndoRedo", {240, 180, 2535, 255}, "Allow undo");
    const std::shared_ptr<Label> Label1 = Add<Label>("Label1", {2880, 210, 1095, 195}, "Steps:");
    const std::shared_ptr<NumberEdit> nbeUndoRedo =
        Add<NumberEdit>("nbeUndoRedo", {3960, 165, 915, 285});
    const std::shared_ptr<CompartLine> CompartLine2 =
        Add<CompartLine>("CompartLine2", {60, 600, 4920, 30});
    const std::shared_ptr<Label> Label2 =
        Add<Label>("Label2", {240, 780, 2535, 195}, "Sheets in a new workbook:");
    const std::shared_ptr<NumberEdit> nbeSheetCount =
        Add<NumberEdit>("nbeSheetCount", {3960, 735, 915, 285});
    const std::shared_ptr<CompartLine> CompartLine3 =
        Add<CompartLine>("CompartLine3", {60, 1170, 4920, 30});
    const std::shared_ptr<CheckBox> chkAutoDecimal =
        Add<CheckBox>("chkAutoDecimal", {240, 1320, 2535, 255}, "Fixed decimal point");
    const std::shared_ptr<Label> Label3 = Add<Label>("Label3", {2880, 1350, 1095, 195}, "Places:");
    const std::shared_ptr<NumberEdit> nbeAutoDecimal =
        Add<NumberEdit>("nbeAutoDecimal", {3960, 1305, 915, 285});
    const std::shared_ptr<CheckBox> chkEnterMove =
        Add<CheckBox>("chkEnterMove", {240, 1740, 2535, 255}, "Move selection after Enter");
    const std::shared_ptr<Label> Label4 =
        Add<Label>("Label4", {2880, 1770, 1095, 195}, "Direction:");
    const std::shared_ptr<ComboBox> cbxEnterDirection =
        Add<ComboBox>("cbxEnterDirection", {3960, 1710, 915, 300});
    const std::shared_ptr<CompartLine> CompartLine4 =
        Add<CompartLine>("CompartLine4", {60, 2190, 4920, 30});
    const std::shared_ptr<CheckBox> chkFileAssoc = Add<CheckBox>(
        "chkFileAssoc", {240, 2340, 4635, 255}, "Open workbook files (.xlsx) with this application");
    // Static texts of the design that show nothing on this page.
    const std::shared_ptr<Label> Label6 = Add<Label>("Label6", {240, 450, 2535, 120});
    const std::shared_ptr<Label> Label7 = Add<Label>("Label7", {240, 1020, 2535, 120});
    const std::shared_ptr<Label> Label9 = Add<Label>("Label9", {240, 2040, 2535, 120});

protected:
    void LoadControls(ErrorTrap& trap) override;
    void ApplyControls(ErrorTrap& trap) override;

private:
    void EnableDependents();
};

} // namespace vantor
