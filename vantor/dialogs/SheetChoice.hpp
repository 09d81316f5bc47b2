#pragma once
#include "vantor/framework/DialogPage.hpp"
#include "vantor/ui/CommandButton.hpp"
#include "vantor/ui/Label.hpp"
#include "vantor/ui/ListBox.hpp"
#include "vantor/ui/PictureBox.hpp"

namespace vantor {

// The sheet choice dialog: the sheets of the workbook given with SetParam, in
// order (hidden ones marked), beside a preview of the chosen one. OK ends the
// dialog with the chosen sheet's name as its answer, where the other
// dialog-style pages answer Long 0: the host needs to know which sheet to
// activate.
class SheetChoice : public DialogPage {
public:
    SheetChoice();
    std::string ClassName() const override { return "SheetChoice"; }

    static constexpr const char* HiddenMark = " (hidden)";

    // Takes the workbook and lists its sheets, the active one chosen.
    int32_t SetParam(const Variant& vtParam) noexcept override;

    const std::shared_ptr<Label> Label1 = Add<Label>("Label1", {120, 120, 1935, 195}, "Sheets:");
    const std::shared_ptr<ListBox> lstSheets = Add<ListBox>("lstSheets", {120, 360, 1935, 2010});
    const std::shared_ptr<Label> Label2 = Add<Label>("Label2", {2220, 120, 2535, 195}, "Preview:");
    const std::shared_ptr<PictureBox> picPreview =
        Add<PictureBox>("picPreview", {2220, 360, 2535, 2010});
    const std::shared_ptr<CommandButton> cmdOK =
        Add<CommandButton>("cmdOK", {2220, 2520, 1215, 375}, "OK");
    const std::shared_ptr<CommandButton> cmdCancel =
        Add<CommandButton>("cmdCancel", {3540, 2520, 1215, 375}, "Cancel");

private:
    void ShowChosenSheet();

    // The workbook's sheets in list order.
    std::vector<ObjectRef> m_sheets;
};

} // namespace vantor
