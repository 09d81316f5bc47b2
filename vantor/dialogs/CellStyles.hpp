#pragma once
#include "vantor/framework/DialogPage.hpp"
#include "vantor/ui/ComboBox.hpp"
#include "vantor/ui/CommandButton.hpp"
#include "vantor/ui/Label.hpp"
#include "vantor/ui/ListBox.hpp"

#include <optional>

namespace vantor {

// The cell styles dialog. Only its frame is live: OK and Close end the
// dialog and Add asks for a name; the styles are not listed yet, so Modify
// and Delete are shown disabled.
class CellStyles : public DialogPage {
public:
    CellStyles();
    std::string ClassName() const override { return "CellStyles"; }

    const std::shared_ptr<Label> Label1 =
        Add<Label>("Label1", {120, 165, 1215, 195}, "Style name:");
    const std::shared_ptr<ComboBox> cbxStyles = Add<ComboBox>("cbxStyles", {1440, 120, 2535, 300});
    const std::shared_ptr<Label> Label3 = Add<Label>("Label3", {120, 585, 1215, 195}, "Includes:");
    const std::shared_ptr<ListBox> lstIncludes =
        Add<ListBox>("lstIncludes", {1440, 540, 2535, 1560});
    const std::shared_ptr<Label> lblDescription =
        Add<Label>("lblDescription", {120, 2220, 3855, 390});
    const std::shared_ptr<CommandButton> cmdOK =
        Add<CommandButton>("cmdOK", {4200, 120, 1215, 375}, "OK");
    const std::shared_ptr<CommandButton> cmdClose =
        Add<CommandButton>("cmdClose", {4200, 570, 1215, 375}, "Close");
    const std::shared_ptr<CommandButton> cmdAdd =
        Add<CommandButton>("cmdAdd", {4200, 1170, 1215, 375}, "Add...");
    const std::shared_ptr<CommandButton> cmdModify =
        Add<CommandButton>("cmdModify", {4200, 1620, 1215, 375}, "Modify...");
    const std::shared_ptr<CommandButton> cmdDelete =
        Add<CommandButton>("cmdDelete", {4200, 2070, 1215, 375}, "Delete");

private:
    // The name typed into the style name form; nothing when it was cancelled.
    std::optional<std::string> AskStyleName();
    static bool IsValidStyleName(const std::string&) { return true; }
};

} // namespace vantor
