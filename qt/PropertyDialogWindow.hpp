#pragma once
#include "host/PropertyDialog.hpp"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QDialogButtonBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace vantor::qt {

class FormView;

// A property dialog on screen: one tab per page, titled by the page's
// caption, and OK, Cancel and Apply. Apply is enabled once a page reports a
// change. OK and Apply validate every page first; a refusing page's tab is
// brought forward and the dialog stays open.
class PropertyDialogWindow : public QDialog {
public:
    // The pages of `classes` that this build has; the others are left out.
    PropertyDialogWindow(const std::string& name, const std::vector<std::string>& classes,
                         std::shared_ptr<TargetList> targets, host::PropertyDialog::Hooks hooks,
                         double dpi, QWidget* parent = nullptr);
    ~PropertyDialogWindow() override;

    host::PropertyDialog& Dialog() const { return *m_pDialog; }
    QTabWidget* Tabs() const { return m_pTabs; }
    FormView* View(int tab) const;
    QPushButton* OkButton() const { return m_pOk; }
    QPushButton* CancelButton() const { return m_pCancel; }
    QPushButton* ApplyButton() const { return m_pApply; }
    // The classes left out because this build lacks them.
    const std::vector<std::string>& Missing() const { return m_missing; }

    // The buttons' work, callable without a click.
    bool ApplyPages();
    // OK: the focused control is left first, so its Validate runs as it
    // does when a click on OK takes the focus.
    void accept() override;
    void reject() override;
    // Brings the next (or previous) tab forward, around the ends.
    void StepTab(int step);

protected:
    // The focus starts on the first control of the first tab.
    void showEvent(QShowEvent* event) override;

private:
    void UpdateButtons();
    // Lets the pages go once the views that show them are gone.
    void Release();

    std::unique_ptr<host::PropertyDialog> m_pDialog;
    std::vector<std::string> m_missing;
    QTabWidget* m_pTabs = nullptr;
    QLabel* m_pStatus = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
    QPushButton* m_pApply = nullptr;
};

} // namespace vantor::qt
