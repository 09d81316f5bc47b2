#include "vantor/dialogs/CellStyles.hpp"

#include "vantor/dialogs/CellStyleName.hpp"
#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/ui/Environment.hpp"

namespace vantor {

CellStyles::CellStyles() : DialogPage("Cell Styles", {0, 0, 5535, 2730}) {
    cbxStyles->SetStyle(ComboStyle::DropDownList);
    for (const char* group :
         {"Number", "Alignment", "Font", "Border", "Background", "Control", "Protection"}) {
        lstIncludes->AddItem(group);
    }
    cmdModify->SetEnabled(false);
    cmdDelete->SetEnabled(false);
    cmdOK->SetDefault(true);
    cmdClose->SetCancel(true);
    cmdOK->On(ev::Click, [this](EventArgs&) { EndDialog(DialogSite::ResultOk); });
    cmdClose->On(ev::Click, [this](EventArgs&) { EndDialog(DialogSite::ResultCancel); });
    cmdAdd->On(ev::Click, [this](EventArgs&) {
        ErrorTrap trap;
        trap([&] { AskStyleName(); });
        CheckError("", trap);
    });
}

std::optional<std::string> CellStyles::AskStyleName() {
    std::string name = CellStyleName::DefaultName;
    CellStyleName form;
    do {
        form.txtStyleName->SetText(name);
        Environment::Current().ShowModal(form);
        if (form.Cancelled()) {
            return std::nullopt;
        }
        name = form.txtStyleName->Text();
    } while (!IsValidStyleName(name));
    return name;
}

} // namespace vantor
