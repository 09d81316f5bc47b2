#include "vantor/dialogs/SheetChoice.hpp"

namespace vantor {

SheetChoice::SheetChoice() : DialogPage("Choose Sheet", {0, 0, 4875, 3015}) {
    for (const char* sheet : {"Sheet1", "Sheet2", "Sheet3"}) {
        lstSheets->AddItem(sheet, 0);
    }
    cmdOK->SetDefault(true);
    cmdCancel->SetCancel(true);
    cmdOK->On(ev::Click, [this](EventArgs&) { EndDialog(DialogSite::ResultOk); });
    cmdCancel->On(ev::Click, [this](EventArgs&) { EndDialog(DialogSite::ResultCancel); });
}

} // namespace vantor
