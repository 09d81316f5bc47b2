#pragma once
#include "vantor/framework/DialogPage.hpp"
#include "vantor/ui/CommandButton.hpp"
#include "vantor/ui/Label.hpp"
#include "vantor/ui/ListBox.hpp"
#include "vantor/ui/PictureBox.hpp"

namespace vantor {

// The sheet choice dialog: a list of sheets beside a preview. Only its frame
// is live: the list holds three fixed entries and OK or Cancel end the dialog.
class SheetChoice : public DialogPage {
public:
    SheetChoice();
    std::string ClassName() const override { return "SheetChoice"; }

    const std::shared_ptr<Label> Label1 = Add<Label>("Label1", {120, 120, 1935, 195}, "Sheets:");
    const std::shared_ptr<ListBox> lstSheets = Add<ListBox>("lstSheets", {120, 360, 1935, 2010});
    const std::shared_ptr<Label> Label2 = Add<Label>("Label2", {2220, 120, 2535, 195}, "Preview:");
    const std::shared_ptr<PictureBox> picPreview =
        Add<PictureBox>("picPreview", {2220, 360, 2535, 2010});
    const std::shared_ptr<CommandButton> cmdOK =
        Add<CommandButton>("cmdOK", {2220, 2520, 1215, 375}, "OK");
    const std::shared_ptr<CommandButton> cmdCancel =
        Add<CommandButton>("cmdCancel", {3540, 2520, 1215, 375}, "Cancel");
};

} // namespace vantor
