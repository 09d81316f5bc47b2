#pragma once
#include "vantor/framework/DialogPage.hpp"
#include "vantor/ui/ComboBox.hpp"
#include "vantor/ui/CommandButton.hpp"
#include "vantor/ui/Label.hpp"
#include "vantor/ui/ListBox.hpp"

#include <optional>

namespace vantor {

// The cell styles dialog over the selected cells (its parameter): it lists
// the workbook's named styles with the cells' style chosen, shows the groups
// the chosen style includes and a description of it, and adds, modifies
// (through the host's Format Cells dialog) and deletes styles at once. OK
// gives the chosen style to the cells.
class CellStyles : public DialogPage {
public:
    CellStyles();
    std::string ClassName() const override { return "CellStyles"; }

    int32_t SetParam(const Variant& vtParam) noexcept override;

    static constexpr const char* NameRefused =
        "A style needs a name that no other style of the workbook has.";

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
    // Fills cbxStyles with the workbook's styles and chooses `name`.
    void LoadStyles(const Variant& name);
    // Shows the chosen style's groups and description, and what may be done with it.
    void ShowStyle();
    // The chosen style, Nothing when none is chosen.
    ObjectRef ChosenStyle() const;
    // Writes the ticks of lstIncludes that differ from the style's groups.
    void WriteIncludes(const ObjectRef& style) const;
    // "0.00%, Liberation Sans 11, centred": the values of the included groups.
    static std::string Describe(const ObjectRef& style);
    // The name typed into the style name form; nothing when it was cancelled.
    std::optional<std::string> AskStyleName();
    // A name that is not empty and that no listed style has, in any case.
    bool IsValidStyleName(const std::string& name) const;

    ObjectRef m_oStyles;
};

} // namespace vantor
