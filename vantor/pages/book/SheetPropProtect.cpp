#include "vantor/pages/book/SheetPropProtect.hpp"

#include "vantor/dialogs/SheetProtectPass.hpp"
#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/framework/ModalDialogSite.hpp"
#include "vantor/ui/Environment.hpp"

namespace vantor {

namespace {

// The box shows "hidden"; the sheets keep "Visible".
Variant Inverted(const Variant& value) {
    return value.IsNull() ? value : Variant(!value.ToBool());
}

// An entry left as it was reads Null: no password.
std::string EntryText(const Variant& entry) {
    return entry.IsNull() ? std::string() : entry.ToString();
}

} // namespace

SheetPropProtect::SheetPropProtect()
    : PropertyPage(LogTags::Word("Protect"), PageCounter::None, "Protection", {0, 0, 3375, 2055}) {
    NotifyOn(*chkHide, ev::Click);
    chkLocked->On(ev::Click, [this](EventArgs&) {
        ErrorTrap trap;
        trap([&] { OnLockedClick(); });
        CheckError("", trap);
    });
    cmdChgPass->On(ev::Click, [this](EventArgs&) {
        ErrorTrap trap;
        trap([&] { OnChangePassword(); });
        CheckError("", trap);
    });
}

void SheetPropProtect::PutLockedBack() {
    m_bReverting = true;
    chkLocked->SetValue(m_iLockedShown);
    m_bReverting = false;
}

bool SheetPropProtect::AnyProtected() const {
    const Variant protectedNow = m_oTarget.Get("ProtectContents");
    return protectedNow.IsNull() || protectedNow.ToBool();
}

bool SheetPropProtect::AskOldPassword() {
    if (m_oTarget.Call("CheckPassword", "").ToBool()) {
        m_vtOldPassword = Variant("");
        return true;
    }
    SheetProtectPass dialog;
    dialog.txtNew->SetEnabled(false);
    dialog.txtVerify->SetEnabled(false);
    if (ModalDialogSite::Show(dialog) != DialogSite::ResultOk) {
        return false;
    }
    Variant oldEntry, newEntry, verifyEntry;
    dialog.GetPasswords(oldEntry, newEntry, verifyEntry);
    if (!m_oTarget.Call("CheckPassword", EntryText(oldEntry)).ToBool()) {
        Environment::Current().MessageBox(WrongPassword, msgbox::OkOnly | msgbox::Exclamation,
                                          Caption());
        return false;
    }
    m_vtOldPassword = Variant(EntryText(oldEntry));
    return true;
}

void SheetPropProtect::OnLockedClick() {
    if (m_bLoading || m_bReverting) {
        cmdChgPass->SetEnabled(chkLocked->Value() != 0);
        return;
    }
    const int32_t value = chkLocked->Value();
    if (value == 1) {
        // Over sheets of which only some are protected, those are unprotected
        // first, with their password, so that all take the new one.
        if (m_oTarget.Get("ProtectContents").IsNull() && !AskOldPassword()) {
            PutLockedBack();
            return;
        }
        // Protecting: the new password, or none.
        SheetProtectPass dialog;
        dialog.txtOld->SetEnabled(false);
        if (ModalDialogSite::Show(dialog) != DialogSite::ResultOk) {
            PutLockedBack();
            return;
        }
        Variant oldEntry, verifyEntry;
        dialog.GetPasswords(oldEntry, m_vtNewPassword, verifyEntry);
        m_bPasswordChanged = true;
    } else if (value == 0 && AnyProtected()) {
        if (!AskOldPassword()) {
            PutLockedBack();
            return;
        }
    }
    m_iLockedShown = value;
    cmdChgPass->SetEnabled(value != 0);
    NotifyModified(true);
}

void SheetPropProtect::OnChangePassword() {
    SheetProtectPass dialog;
    const bool protectedNow = AnyProtected();
    dialog.txtOld->SetEnabled(protectedNow);
    if (ModalDialogSite::Show(dialog) != DialogSite::ResultOk) {
        return;
    }
    Variant oldEntry, newEntry, verifyEntry;
    dialog.GetPasswords(oldEntry, newEntry, verifyEntry);
    if (protectedNow && !m_oTarget.Call("CheckPassword", EntryText(oldEntry)).ToBool()) {
        Environment::Current().MessageBox(WrongPassword, msgbox::OkOnly | msgbox::Exclamation,
                                          Caption());
        return;
    }
    if (newEntry.IsNull()) {
        return; // the new password left as it was
    }
    m_vtOldPassword = Variant(EntryText(oldEntry));
    m_vtNewPassword = newEntry;
    m_bPasswordChanged = true;
    NotifyModified(true);
}

void SheetPropProtect::LoadControls(ErrorTrap& trap) {
    m_vtOldPassword = Variant::Null();
    m_vtNewPassword = Variant::Null();
    m_bPasswordChanged = false;
    trap([&] { LoadSettingCheckbox(*chkHide, Inverted(m_oTarget.Get("Visible"))); });
    trap([&] { LoadSettingCheckbox(*chkLocked, m_oTarget.Get("ProtectContents")); });
    m_iLockedShown = chkLocked->Value();
    cmdChgPass->SetEnabled(chkLocked->Value() != 0);
}

void SheetPropProtect::ApplyControls(ErrorTrap& trap) {
    trap([&] {
        m_oTarget.Put("Visible", Inverted(SafeSettingCheckBox(
                                     chkHide->Value(), Inverted(m_oTarget.Get("Visible")))));
    });
    const int32_t locked = chkLocked->Value();
    if (locked != 2 && (chkLocked->ChangedFromSaved() || m_bPasswordChanged)) {
        trap([&] {
            if (AnyProtected()) {
                m_oTarget.Call("Unprotect", EntryText(m_vtOldPassword));
            }
            if (locked == 1) {
                m_oTarget.Call("Protect", EntryText(m_vtNewPassword));
            }
        });
    }
    // What is written now is what a second apply starts from.
    chkLocked->SaveValue();
    m_vtOldPassword = Variant::Null();
    m_vtNewPassword = Variant::Null();
    m_bPasswordChanged = false;
}

} // namespace vantor
