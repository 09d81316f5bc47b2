#pragma once
#include "vantor/framework/DialogPage.hpp"
#include "vantor/ui/CommandButton.hpp"
#include "vantor/ui/Label.hpp"
#include "vantor/ui/TextBox.hpp"

namespace vantor {

// The password of a protected sheet: the old one, the new one and the new
// one again. The dialog checks that the two new entries agree; the host
// reads the entries through GetPasswords.
class SheetProtectPass : public DialogPage {
public:
    SheetProtectPass();
    std::string ClassName() const override { return "SheetProtectPass"; }

    // Each box starts with this text: twelve masked characters that stand
    // for "as it was" until the user types.
    static constexpr const char* Unchanged = "864209753108";
    static constexpr const char* Mismatch =
        "The new password and its confirmation differ. Type them again.";

    int32_t ValidateData() noexcept override;
    // The three entries; an entry the user did not type into is Null.
    int32_t GetPasswords(Variant& vtOld, Variant& vtNew, Variant& vtVerify) noexcept;

    const std::shared_ptr<Label> Label1_0 =
        Add<Label>("Label1(0)", {120, 165, 1815, 195}, "Old password:");
    const std::shared_ptr<TextBox> txtOld = Add<TextBox>("txtOld", {2040, 120, 1935, 285});
    const std::shared_ptr<Label> Label1_1 =
        Add<Label>("Label1(1)", {120, 570, 1815, 195}, "New password:");
    const std::shared_ptr<TextBox> txtNew = Add<TextBox>("txtNew", {2040, 525, 1935, 285});
    const std::shared_ptr<Label> Label1_2 =
        Add<Label>("Label1(2)", {120, 975, 1815, 195}, "Confirm new password:");
    const std::shared_ptr<TextBox> txtVerify = Add<TextBox>("txtVerify", {2040, 930, 1935, 285});
    const std::shared_ptr<CommandButton> cmdOK =
        Add<CommandButton>("cmdOK", {1440, 1440, 1215, 375}, "OK");
    const std::shared_ptr<CommandButton> cmdCancel =
        Add<CommandButton>("cmdCancel", {2760, 1440, 1215, 375}, "Cancel");

private:
    // Which boxes the user typed into.
    bool m_bOldTyped = false;
    bool m_bNewTyped = false;
    bool m_bVerifyTyped = false;
};

} // namespace vantor
