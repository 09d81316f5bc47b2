#include "vantor/dialogs/SheetProtectPass.hpp"

#include "vantor/automation/TextFunctions.hpp"
#include "vantor/framework/ErrorRecording.hpp"
#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/ui/Environment.hpp"

namespace vantor {

SheetProtectPass::SheetProtectPass() : DialogPage("Sheet Password", {0, 0, 4095, 1935}) {
    const std::pair<TextBox*, bool*> boxes[] = {{txtOld.get(), &m_bOldTyped},
                                                {txtNew.get(), &m_bNewTyped},
                                                {txtVerify.get(), &m_bVerifyTyped}};
    for (const auto& [box, typed] : boxes) {
        box->SetPasswordChar("*");
        box->SetMaxLength(12);
        box->SetText(Unchanged);
        box->On(ev::Change, [typed = typed](EventArgs&) { *typed = true; });
        // Typing replaces the whole entry.
        box->On(ev::GotFocus, [box = box](EventArgs&) {
            ErrorTrap trap;
            trap([&] {
                box->SetSelStart(0);
                box->SetSelLength(static_cast<int32_t>(CharCount(box->Text())));
            });
            CheckError("", trap);
        });
    }
    cmdOK->SetDefault(true);
    cmdCancel->SetCancel(true);
    cmdOK->On(ev::Click, [this](EventArgs&) {
        // Entries that disagree never end the dialog with OK.
        if (ValidateData() == 0) {
            EndDialog(DialogSite::ResultOk);
        }
    });
    cmdCancel->On(ev::Click, [this](EventArgs&) { EndDialog(DialogSite::ResultCancel); });
}

int32_t SheetProtectPass::ValidateData() noexcept {
    const ErrorRecording recording(m_lastError);
    if (txtNew->Text() == txtVerify->Text()) {
        return 0;
    }
    ErrorTrap trap;
    trap([&] { Environment::Current().MessageBox(Mismatch, msgbox::OkOnly, Caption()); });
    trap([&] { txtNew->Focus(); });
    CheckError("", trap);
    return -1;
}

int32_t SheetProtectPass::GetPasswords(Variant& vtOld, Variant& vtNew, Variant& vtVerify) noexcept {
    vtOld = m_bOldTyped ? Variant(txtOld->Text()) : Variant::Null();
    vtNew = m_bNewTyped ? Variant(txtNew->Text()) : Variant::Null();
    vtVerify = m_bVerifyTyped ? Variant(txtVerify->Text()) : Variant::Null();
    return 0;
}

} // namespace vantor
