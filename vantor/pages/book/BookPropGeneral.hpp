#pragma once
#include "vantor/framework/PropertyPage.hpp"
#include "vantor/ui/CheckBox.hpp"
#include "vantor/ui/CompartLine.hpp"
#include "vantor/ui/Label.hpp"
#include "vantor/ui/TextBox.hpp"

namespace vantor {

// The general tab of the workbook dialog: the workbook's full name for
// information, and the scroll bars and sheet tabs of its window.
class BookPropGeneral : public PropertyPage {
public:
    BookPropGeneral();
    std::string ClassName() const override { return "BookPropGeneral"; }

    // Shown in place of a workbook without a name.
    static constexpr const char* NoName = "(none)";

    const std::shared_ptr<Label> Label1 = Add<Label>("Label1", {120, 120, 1275, 195}, "File name:");
    const std::shared_ptr<TextBox> txtFileName = Add<TextBox>("txtFileName", {240, 420, 3435, 225});
    const std::shared_ptr<CompartLine> CompartLine1 =
        Add<CompartLine>("CompartLine1", {60, 720, 3675, 30});
    const std::shared_ptr<Label> Label2 = Add<Label>("Label2", {120, 840, 1395, 195}, "Show:");
    const std::shared_ptr<CheckBox> chkHScrollBar =
        Add<CheckBox>("chkHScrollBar", {240, 1080, 1935, 255}, "Horizontal scroll bar");
    const std::shared_ptr<CheckBox> chkSheetLabel =
        Add<CheckBox>("chkSheetLabel", {240, 1320, 1875, 255}, "Sheet tabs");
    const std::shared_ptr<CheckBox> chkVScrollBar =
        Add<CheckBox>("chkVScrollBar", {240, 1560, 1815, 255}, "Vertical scroll bar");

protected:
    void LoadControls(ErrorTrap& trap) override;
    void ApplyControls(ErrorTrap& trap) override;
};

} // namespace vantor
