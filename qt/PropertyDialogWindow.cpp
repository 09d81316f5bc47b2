#include "qt/PropertyDialogWindow.hpp"

#include "qt/AccessKeys.hpp"
#include "qt/FormView.hpp"
#include "vantor/framework/ClassTable.hpp"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vantor::qt {

namespace {

std::vector<std::shared_ptr<PropertyPage>> CreatePages(const std::vector<std::string>& classes,
                                                       std::vector<std::string>& missing) {
    std::vector<std::shared_ptr<PropertyPage>> pages;
    for (const std::string& className : classes) {
        const ClassInfo* info = ClassTable::Find(className);
        std::shared_ptr<PropertyPage> page;
        if (info != nullptr && info->create) {
            page = std::dynamic_pointer_cast<PropertyPage>(ClassTable::Create(className));
        }
        if (page != nullptr) {
            pages.push_back(std::move(page));
        } else {
            missing.push_back(className);
        }
    }
    return pages;
}

} // namespace

PropertyDialogWindow::PropertyDialogWindow(const std::string& name,
                                           const std::vector<std::string>& classes,
                                           std::shared_ptr<TargetList> targets,
                                           host::PropertyDialog::Hooks hooks, double dpi,
                                           QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromStdString(name));
    auto modified = hooks.modified;
    hooks.modified = [this, modified] {
        if (modified) {
            modified();
        }
        UpdateButtons();
    };
    m_pDialog = std::make_unique<host::PropertyDialog>(name, CreatePages(classes, m_missing),
                                                       std::move(targets), std::move(hooks));

    m_pTabs = new QTabWidget(this);
    // Every tab title shows: the dialog is as wide as its tabs need.
    m_pTabs->setUsesScrollButtons(false);
    m_pTabs->setFont(FormView::DialogFont());
    for (const auto& tab : m_pDialog->Tabs()) {
        auto* view = new FormView(*tab.page, dpi);
        m_pTabs->addTab(view, QString::fromStdString(tab.caption));
    }
    m_pStatus = new QLabel(this);
    auto* buttons = new QDialogButtonBox(this);
    m_pOk = buttons->addButton(QDialogButtonBox::Ok);
    m_pCancel = buttons->addButton(QDialogButtonBox::Cancel);
    m_pApply = buttons->addButton(QDialogButtonBox::Apply);
    connect(m_pOk, &QPushButton::clicked, this, [this] { accept(); });
    connect(m_pCancel, &QPushButton::clicked, this, [this] { reject(); });
    connect(m_pApply, &QPushButton::clicked, this, [this] { ApplyPages(); });

    // Access letters unique among what shows at once: the buttons, the tab
    // titles and the controls of one tab.
    QSet<QChar> used;
    for (const QPushButton* button : {m_pOk, m_pCancel, m_pApply}) {
        used.insert(accesskeys::MarkedLetter(button->text()));
    }
    for (int i = 0; i < m_pTabs->count(); ++i) {
        m_pTabs->setTabText(i, accesskeys::Assign(m_pTabs->tabText(i), used));
    }
    for (int i = 0; i < m_pTabs->count(); ++i) {
        View(i)->AssignAccessKeys(used);
    }

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_pStatus, 1);
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTabs);
    layout->addLayout(bottom);
    setSizeGripEnabled(false);
    UpdateButtons();

    // Tabs switch from the keyboard whatever control has the focus.
    const std::pair<QKeySequence, int> steps[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto& step : steps) {
        const int delta = step.second;
        auto* shortcut = new QShortcut(step.first, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, delta] { StepTab(delta); });
    }
    connect(m_pTabs, &QTabWidget::currentChanged, this, [this](int index) {
        // A tab brought forward from the keyboard takes the focus to its first control.
        if (FormView* view = View(index); view != nullptr && m_pTabs->tabBar()->hasFocus() == false &&
                                         isVisible()) {
            if (QWidget* first = view->FirstFocus()) {
                first->setFocus(Qt::TabFocusReason);
            }
        }
    });
}

void PropertyDialogWindow::StepTab(int step) {
    const int count = m_pTabs->count();
    if (count > 1) {
        m_pTabs->setCurrentIndex((m_pTabs->currentIndex() + step + count) % count);
    }
}

void PropertyDialogWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (FormView* view = View(0); view != nullptr && m_pTabs->currentIndex() == 0) {
        if (QWidget* first = view->FirstFocus()) {
            first->setFocus(Qt::TabFocusReason);
        }
    }
}

PropertyDialogWindow::~PropertyDialogWindow() {
    Release();
}

FormView* PropertyDialogWindow::View(int tab) const {
    return dynamic_cast<FormView*>(m_pTabs->widget(tab));
}

void PropertyDialogWindow::UpdateButtons() {
    m_pApply->setEnabled(m_pDialog->Open() && m_pDialog->Changed());
}

bool PropertyDialogWindow::ApplyPages() {
    const host::PropertyDialog::Outcome outcome = m_pDialog->Apply();
    if (!outcome.done) {
        const auto& tabs = m_pDialog->Tabs();
        for (size_t i = 0; i < tabs.size(); ++i) {
            if (tabs[i].className == outcome.refusedClass) {
                m_pTabs->setCurrentIndex(static_cast<int>(i));
                m_pStatus->setText(tr("Please correct the entries on \"%1\".")
                                       .arg(QString::fromStdString(tabs[i].caption)));
            }
        }
        QApplication::beep();
    } else if (!outcome.refusedWrite.empty()) {
        // The model refused a write the pages only logged: say so and stay
        // open, rather than close as if everything had been taken.
        m_pStatus->setText(tr("Not everything could be changed. %1")
                               .arg(QString::fromStdString(outcome.refusedWrite)));
        QApplication::beep();
    } else {
        m_pStatus->clear();
    }
    UpdateButtons();
    return outcome.done && outcome.refusedWrite.empty();
}

void PropertyDialogWindow::accept() {
    if (FormView* view = View(m_pTabs->currentIndex());
        view != nullptr && !view->LeaveFocusedControl()) {
        return;
    }
    if (m_pDialog->Open() && !ApplyPages()) {
        return;
    }
    Release();
    QDialog::accept();
}

void PropertyDialogWindow::reject() {
    Release();
    QDialog::reject();
}

void PropertyDialogWindow::Release() {
    // The views refer to the pages' controls, so they go first.
    while (m_pTabs != nullptr && m_pTabs->count() > 0) {
        QWidget* view = m_pTabs->widget(0);
        m_pTabs->removeTab(0);
        // Deleted now, not later: a view left for the event loop can still be
        // asked for its state after its controls are gone.
        delete view;
    }
    m_pDialog->Cancel();
}

} // namespace vantor::qt
