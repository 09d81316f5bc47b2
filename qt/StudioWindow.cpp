#include "qt/StudioWindow.hpp"

#include "host/Targets.hpp"
#include "model/Application.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "qt/DialogPageWindow.hpp"
#include "qt/PropertyDialogWindow.hpp"
#include "qt/SheetGrid.hpp"
#include "vantor/framework/ClassTable.hpp"

#include <QLabel>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>

namespace vantor::qt {

namespace {

// A dialog-style page of that class; null when this build lacks it.
std::shared_ptr<DialogPage> CreatePage(const std::string& className) {
    const ClassInfo* info = ClassTable::Find(className);
    if (info == nullptr || !info->create) {
        return nullptr;
    }
    return std::dynamic_pointer_cast<DialogPage>(info->create());
}

} // namespace

StudioWindow::StudioWindow(std::shared_ptr<model::Application> app, double dpi, QWidget* parent)
    : QMainWindow(parent), m_pApp(std::move(app)), m_dDpi(dpi) {
    setWindowTitle(tr("Vantor Studio"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_pGrid = new SheetGrid(central);
    m_pSheetTabs = new QTabBar(central);
    m_pSheetTabs->setShape(QTabBar::RoundedSouth);
    m_pSheetTabs->setExpanding(false);
    m_pSheetTabs->setDrawBase(true);
    layout->addWidget(m_pGrid, 1);
    layout->addWidget(m_pSheetTabs, 0, Qt::AlignLeft);
    setCentralWidget(central);

    m_pAddress = new QLabel(this);
    statusBar()->addWidget(m_pAddress);
    m_pGrid->SetSelectionChanged(
        [this] { m_pAddress->setText(QString::fromStdString(m_pGrid->SelectionAddress())); });
    connect(m_pSheetTabs, &QTabBar::currentChanged, this, [this](int index) { ShowSheet(index); });

    BuildMenus();
    Refresh();
    m_pGrid->Select({0, 0, 0, 0});
    resize(900, 600);
}

void StudioWindow::BuildMenus() {
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    m_pUndo = edit->addAction(tr("&Undo"), this, [this] { Undo(); });
    m_pUndo->setShortcut(QKeySequence::Undo);
    m_pRedo = edit->addAction(tr("&Redo"), this, [this] { Redo(); });
    m_pRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence::Redo});

    QMenu* format = menuBar()->addMenu(tr("F&ormat"));
    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    for (const host::CatalogueDialog& dialog : host::DialogCatalogue::Dialogs()) {
        QMenu* menu = dialog.target == host::TargetKind::Application ? tools : format;
        QAction* action = menu->addAction(QString::fromStdString(dialog.name + "..."), this,
                                          [this, &dialog] { RunDialog(dialog); });
        if (dialog.name == "Format Cells") {
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
        }
    }
    format->addSeparator();
    for (const std::string& className : host::DialogCatalogue::DialogStylePages()) {
        if (const auto page = CreatePage(className)) {
            std::string caption;
            page->GetCaption(caption);
            format->addAction(QString::fromStdString(caption + "..."), this,
                              [this, className] { RunDialogPage(className); });
        }
    }
}

std::unique_ptr<PropertyDialogWindow>
StudioWindow::CreateDialog(const host::CatalogueDialog& dialog) {
    host::PropertyDialog::Hooks hooks{
        [this](const std::string& name) { m_pApp->BeginUndoGroup(name); },
        [this] {
            m_pApp->EndUndoGroup();
            Refresh();
        },
        {}};
    return std::make_unique<PropertyDialogWindow>(
        dialog.name, dialog.pages, host::TargetsFor(m_pApp, dialog.target, m_pGrid->SelectionAddress(), {}),
        std::move(hooks), m_dDpi, this);
}

void StudioWindow::RunDialog(const host::CatalogueDialog& dialog) {
    const std::unique_ptr<PropertyDialogWindow> window = CreateDialog(dialog);
    window->exec();
    Refresh();
}

std::unique_ptr<DialogPageWindow> StudioWindow::CreateDialogPage(const std::string& className) {
    auto page = CreatePage(className);
    if (page == nullptr) {
        return nullptr;
    }
    // Like the host, the page gets its site and no target.
    return std::make_unique<DialogPageWindow>(std::move(page), m_dDpi, this);
}

void StudioWindow::RunDialogPage(const std::string& className) {
    const std::unique_ptr<DialogPageWindow> window = CreateDialogPage(className);
    if (window == nullptr) {
        return;
    }
    window->exec();
    statusBar()->showMessage(window->windowTitle() + (window->Result() == DialogSite::ResultOk
                                                          ? tr(": OK")
                                                          : tr(": cancelled")));
    Refresh();
}

void StudioWindow::Undo() {
    if (m_pApp->CanUndo()) {
        m_pApp->Undo();
    }
    Refresh();
}

void StudioWindow::Redo() {
    if (m_pApp->CanRedo()) {
        m_pApp->Redo();
    }
    Refresh();
}

void StudioWindow::ShowSheet(int index) {
    const auto book = m_pApp->ActiveWorkbook();
    if (book == nullptr || index < 0 || index >= static_cast<int>(book->Sheets().size())) {
        return;
    }
    book->ActivateSheet(book->Sheet(index));
    m_pGrid->SetSheet(book->Sheet(index));
}

void StudioWindow::Refresh() {
    const auto book = m_pApp->ActiveWorkbook();
    if (book != nullptr) {
        const QSignalBlocker blocker(m_pSheetTabs);
        while (m_pSheetTabs->count() > 0) {
            m_pSheetTabs->removeTab(0);
        }
        int active = 0;
        for (size_t i = 0; i < book->Sheets().size(); ++i) {
            m_pSheetTabs->addTab(QString::fromStdString(book->Sheets()[i]->Name()));
            if (book->Sheets()[i] == book->ActiveSheet()) {
                active = static_cast<int>(i);
            }
        }
        m_pSheetTabs->setCurrentIndex(active);
        m_pSheetTabs->setVisible(ObjectRef(book).Get("DisplayWorkbookTabs").ToBool());
        setWindowTitle(QString::fromStdString(book->Name()) + tr(" - Vantor Studio"));
        m_pGrid->SetSheet(book->ActiveSheet());
    }
    m_pUndo->setEnabled(m_pApp->CanUndo());
    m_pRedo->setEnabled(m_pApp->CanRedo());
    m_pGrid->viewport()->update();
}

} // namespace vantor::qt
