#include "qt/DialogPageWindow.hpp"

#include "qt/FormView.hpp"

#include <QVBoxLayout>

namespace vantor::qt {

DialogPageWindow::DialogPageWindow(std::shared_ptr<DialogPage> page, double dpi, QWidget* parent,
                                   host::HostDialogSite::ShowDialogHandler showDialog)
    : QDialog(parent), m_pPage(std::move(page)) {
    m_pSite = std::make_shared<host::HostDialogSite>([this](int32_t result) { End(result); },
                                                     std::move(showDialog));
    m_pPage->SetSite(m_pSite);
    std::string caption;
    m_pPage->GetCaption(caption);
    setWindowTitle(QString::fromStdString(caption));
    m_pView = new FormView(*m_pPage, dpi, this);
    m_pView->AssignAccessKeys({});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pView);
    setFixedSize(sizeHint());
}

DialogPageWindow::~DialogPageWindow() {
    // The view refers to the page's controls, so it goes first; the page
    // holds the site, whose calls would reach this window.
    delete m_pView;
    m_pPage->SetSite(nullptr);
}

void DialogPageWindow::End(int32_t result) {
    m_lResult = result;
    // Called from the page's own button: the dialog only hides here; the
    // button's widget lives on until the window goes.
    done(result == DialogSite::ResultOk ? Accepted : Rejected);
}

void DialogPageWindow::reject() {
    m_lResult = DialogSite::ResultCancel;
    QDialog::reject();
}

} // namespace vantor::qt
