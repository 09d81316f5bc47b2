#pragma once
#include "vantor/framework/PropertyPage.hpp"
#include "vantor/ui/CheckBox.hpp"
#include "vantor/ui/CommandButton.hpp"
#include "vantor/ui/Frame.hpp"
#include "vantor/ui/Label.hpp"

namespace vantor {

// The protection tab of the worksheet dialog. Its controls stand for
// protection settings that the sheets do not offer yet, so they are shown
// disabled and the page binds nothing.
class SheetPropProtect : public PropertyPage {
public:
    SheetPropProtect();
    std::string ClassName() const override { return "SheetPropProtect"; }

    const std::shared_ptr<Frame> frProtect =
        Add<Frame>("frProtect", {120, 120, 3135, 1335}, "Protection");
    const std::shared_ptr<CheckBox> chkHide =
        Add<CheckBox>("chkHide", {240, 300, 1815, 255}, "Hide formulas", "frProtect");
    const std::shared_ptr<CheckBox> chkLocked =
        Add<CheckBox>("chkLocked", {240, 660, 2295, 255}, "Lock cells", "frProtect");
    const std::shared_ptr<Label> Label2 =
        Add<Label>("Label2", {240, 900, 2835, 375},
                   "Locking and hiding take effect when the sheet is protected.", "frProtect");
    const std::shared_ptr<CommandButton> cmdChgPass =
        Add<CommandButton>("cmdChgPass", {720, 1470, 2535, 495}, "Change password...");

protected:
    void LoadControls(ErrorTrap&) override {}
    void ApplyControls(ErrorTrap&) override {}
};

} // namespace vantor
