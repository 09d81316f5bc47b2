#pragma once
#include "vantor/framework/DialogPage.hpp"
#include "vantor/framework/DialogSite.hpp"

#include <memory>

namespace vantor {

// The site a page gives a dialog-style page it shows itself: it keeps the
// result and the answer and closes the form when the dialog ends.
class ModalDialogSite : public DialogSite {
public:
    explicit ModalDialogSite(Form& form) : m_form(form) {}

    void EndDialog(int32_t result, Variant& answer) override {
        m_nResult = result;
        m_vtAnswer = answer;
        m_form.Unload();
    }
    int32_t Result() const { return m_nResult; }
    const Variant& Answer() const { return m_vtAnswer; }

    // Shows the dialog modally through the current environment with a site of
    // its own; a dialog closed without ending (its window's close button) is cancelled.
    static int32_t Show(DialogPage& dialog);

private:
    Form& m_form;
    int32_t m_nResult = ResultCancel;
    Variant m_vtAnswer;
};

} // namespace vantor
