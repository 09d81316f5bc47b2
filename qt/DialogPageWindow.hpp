#pragma once
#include "host/HostDialogSite.hpp"
#include "vantor/framework/DialogPage.hpp"

#include <QDialog>

#include <memory>

namespace vantor::qt {

class FormView;

// A dialog-style page on screen: a modal dialog that holds the page's form
// and nothing else. The page's own buttons end it through its dialog site
// (-1 OK, -2 Cancel); closing the window is Cancel. The page asks for the
// host's dialogs through `showDialog`; without it the site refuses them.
class DialogPageWindow : public QDialog {
public:
    DialogPageWindow(std::shared_ptr<DialogPage> page, double dpi, QWidget* parent = nullptr,
                     host::HostDialogSite::ShowDialogHandler showDialog = {});
    ~DialogPageWindow() override;

    DialogPage& Page() const { return *m_pPage; }
    FormView* View() const { return m_pView; }
    // Every EndDialog the page made, with its answer.
    const host::HostDialogSite& Site() const { return *m_pSite; }
    // How the dialog ended: DialogSite::ResultOk or ResultCancel.
    int32_t Result() const { return m_lResult; }

    // The window's close button and Escape.
    void reject() override;

private:
    void End(int32_t result);

    std::shared_ptr<DialogPage> m_pPage;
    std::shared_ptr<host::HostDialogSite> m_pSite;
    FormView* m_pView = nullptr;
    int32_t m_lResult = DialogSite::ResultCancel;
};

} // namespace vantor::qt
