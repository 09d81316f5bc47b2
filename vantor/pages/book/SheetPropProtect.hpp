#pragma once
#include "vantor/framework/PropertyPage.hpp"
#include "vantor/ui/CheckBox.hpp"
#include "vantor/ui/CommandButton.hpp"
#include "vantor/ui/Frame.hpp"
#include "vantor/ui/Label.hpp"

namespace vantor {

// The protection tab of the worksheet dialog: whether the sheets are hidden,
// whether they are protected, and their password, asked for in the password
// dialog. The page writes only in its apply.
class SheetPropProtect : public PropertyPage {
public:
    SheetPropProtect();
    std::string ClassName() const override { return "SheetPropProtect"; }

    static constexpr const char* WrongPassword =
        "The password is wrong. The sheet stays protected.";

    const std::shared_ptr<Frame> frProtect =
        Add<Frame>("frProtect", {120, 120, 3135, 1335}, "Protection");
    const std::shared_ptr<CheckBox> chkHide =
        Add<CheckBox>("chkHide", {240, 300, 1815, 255}, "Hide the sheet", "frProtect");
    const std::shared_ptr<CheckBox> chkLocked =
        Add<CheckBox>("chkLocked", {240, 660, 2295, 255}, "Protect the sheet", "frProtect");
    const std::shared_ptr<Label> Label2 =
        Add<Label>("Label2", {240, 900, 2835, 375},
                   "While the sheet is protected, its read-only cells cannot be changed.",
                   "frProtect");
    const std::shared_ptr<CommandButton> cmdChgPass =
        Add<CommandButton>("cmdChgPass", {720, 1470, 2535, 495}, "Change password...");

protected:
    void LoadControls(ErrorTrap& trap) override;
    void ApplyControls(ErrorTrap& trap) override;

private:
    void OnLockedClick();
    void OnChangePassword();
    // Asks for the old password when the sheets have one; false when the
    // user cancels or gives a wrong one (which is said).
    bool AskOldPassword();
    // Puts the box back to what it showed before the click, without asking again.
    void PutLockedBack();
    // True when some of the sheets are protected (all, or a mixed selection).
    bool AnyProtected() const;

    // What the apply writes: the old password that unprotects and the new one
    // that protects; Null when not given.
    Variant m_vtOldPassword;
    Variant m_vtNewPassword;
    bool m_bPasswordChanged = false;
    bool m_bReverting = false;
    int32_t m_iLockedShown = 0;
};

} // namespace vantor
