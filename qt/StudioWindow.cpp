#include "qt/StudioWindow.hpp"

#include "host/OptionsStore.hpp"
#include "host/Targets.hpp"
#include "model/Application.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "qt/AccessKeys.hpp"
#include "qt/DialogPageWindow.hpp"
#include "qt/PropertyDialogWindow.hpp"
#include "qt/SheetGrid.hpp"
#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/TextFunctions.hpp"
#include "vantor/framework/ClassTable.hpp"
#include "vantor/framework/DefaultTargetList.hpp"
#include "vantor/ui/Environment.hpp"
#include "vantor/ui/KeyStore.hpp"
#include "xlsx/WorkbookFile.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QProgressDialog>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>

#include <atomic>
#include <chrono>
#include <thread>

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

const QString FileFilter = QStringLiteral("Workbooks (*.xlsx);;All files (*)");

void ShowError(const AutomationError& error) {
    Environment::Current().MessageBox(error.Description(), msgbox::Exclamation, "Vantor Studio");
}

// What the title and the question call a workbook: its file's name.
QString ShownName(const model::Workbook& book) {
    return QFileInfo(QString::fromStdString(book.FullName())).fileName();
}

bool HasFile(const model::Workbook& book) {
    return book.FullName() != book.Name();
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
    m_pGrid->SetCellsChanged([this] { Refresh(); });
    connect(m_pSheetTabs, &QTabBar::currentChanged, this, [this](int index) { ShowSheet(index); });

    BuildMenus();
    Refresh();
    RestoreGeometry();
}

void StudioWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&New"), QKeySequence::New, this, [this] {
        if (MaybeSave()) {
            NewWorkbook();
        }
    });
    file->addAction(tr("&Open..."), QKeySequence::Open, this, [this] { OpenChosenFile(); });
    file->addAction(tr("&Save"), QKeySequence::Save, this, [this] { Save(); });
    file->addAction(tr("Save &As..."), QKeySequence::SaveAs, this, [this] { SaveChosenFile(); });
    m_pRecent = file->addMenu(tr("&Recent Files"));
    connect(m_pRecent, &QMenu::aboutToShow, this, [this] { ShowRecentFiles(); });
    file->addSeparator();
    file->addAction(tr("E&xit"), QKeySequence::Quit, this, [this] { close(); });

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    m_pUndo = edit->addAction(tr("&Undo"), this, [this] { Undo(); });
    m_pUndo->setShortcut(QKeySequence::Undo);
    m_pRedo = edit->addAction(tr("&Redo"), this, [this] { Redo(); });
    m_pRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence::Redo});
    edit->addSeparator();
    edit->addAction(tr("&Go to Sheet..."), QKeySequence(Qt::CTRL | Qt::Key_G), this,
                    [this] { RunDialogPage("SheetChoice"); });

    QMenu* format = menuBar()->addMenu(tr("F&ormat"));
    // Each item gets an access letter unique within its menu.
    QSet<QChar> formatLetters;
    QSet<QChar> toolsLetters;
    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    for (const host::CatalogueDialog& dialog : host::DialogCatalogue::Dialogs()) {
        const bool application = dialog.target == host::TargetKind::Application;
        QMenu* menu = application ? tools : format;
        QAction* action = menu->addAction(
            accesskeys::Assign(QString::fromStdString(dialog.name + "..."),
                               application ? toolsLetters : formatLetters),
            this,
                                          [this, &dialog] { RunDialog(dialog); });
        if (dialog.name == "Format Cells") {
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
        }
    }
    format->addSeparator();
    for (const std::string& className : host::DialogCatalogue::DialogStylePages()) {
        if (className == "SheetChoice") {
            continue; // Edit > Go to Sheet...
        }
        if (className == "SheetProtectPass") {
            continue; // shown by the Worksheet dialog's protection tab, which uses what is typed
        }
        if (const auto page = CreatePage(className)) {
            std::string caption;
            page->GetCaption(caption);
            format->addAction(accesskeys::Assign(QString::fromStdString(caption + "..."), formatLetters),
                              this,
                              [this, className] { RunDialogPage(className); });
        }
    }
}

std::unique_ptr<PropertyDialogWindow>
StudioWindow::CreateDialog(const host::CatalogueDialog& dialog) {
    host::PropertyDialog::Hooks hooks{
        [this](const std::string& name) { m_pApp->BeginUndoGroup(name); },
        [this, target = dialog.target] {
            m_pApp->EndUndoGroup();
            if (m_pOptions != nullptr && target == host::TargetKind::Application) {
                m_pOptions->Save(ObjectRef(m_pApp));
            }
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
    // Like the host, the page gets no target; the cell styles dialog gets the
    // selection and the sheet choice the workbook as its param.
    const auto param = host::TargetsFor(m_pApp, host::DialogCatalogue::ParamOf(className),
                                        m_pGrid->SelectionAddress(), {});
    if (param->Count() > 0) {
        page->SetParam(param->Item(0));
    }
    return std::make_unique<DialogPageWindow>(
        std::move(page), m_dDpi, this,
        [this](const std::string& name, const Variant& target) { return ShowHostDialog(name, target); });
}

int32_t StudioWindow::ShowHostDialog(const std::string& name, const Variant& target) {
    if (!EqualsIgnoreCase(name, "Format Cells") || !target.IsObject()) {
        throw AutomationError(err::InvalidCall, "This host has no dialog " + name);
    }
    // Over the page that asked, so that it stays behind until this one ends.
    QWidget* owner = QApplication::activeModalWidget();
    bool ok = false;
    {
        const model::UndoHistory::Scope group(*m_pApp->History(), "Modify Style");
        const host::PropertyDialog::Hooks hooks{
            [this](const std::string& step) { m_pApp->BeginUndoGroup(step); },
            [this] { m_pApp->EndUndoGroup(); },
            {}};
        PropertyDialogWindow window(name, host::DialogCatalogue::StylePages(),
                                    std::make_shared<DefaultTargetList>(std::vector<Variant>{target}),
                                    hooks, m_dDpi, owner != nullptr ? owner : this);
        ok = window.exec() == QDialog::Accepted;
    }
    Refresh();
    return ok ? DialogSite::ResultOk : DialogSite::ResultCancel;
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
    // The sheet choice answers the chosen sheet's name.
    if (className == "SheetChoice" && window->Result() == DialogSite::ResultOk &&
        !window->Site().Calls().empty()) {
        GoToSheet(window->Site().Calls().back().second.ToString());
    }
    Refresh();
}

void StudioWindow::GoToSheet(const std::string& name) {
    const auto book = m_pApp->ActiveWorkbook();
    if (book == nullptr) {
        return;
    }
    for (const auto& sheet : book->Sheets()) {
        if (!EqualsIgnoreCase(sheet->Name(), name)) {
            continue;
        }
        // Going to a hidden sheet shows it: a sheet without a tab could not
        // be left again by its tab.
        if (!sheet->Visible()) {
            const model::UndoHistory::Scope step(*m_pApp->History(), "Show Sheet");
            ObjectRef(sheet).Put("Visible", Variant(true));
        }
        book->ActivateSheet(sheet);
        return;
    }
}

void StudioWindow::NewWorkbook() {
    m_pApp->AddWorkbook("Book" + std::to_string(m_pApp->Workbooks().size() + 1));
    Refresh();
}

bool StudioWindow::OpenFile(const QString& path) {
    try {
        RunWithProgress(tr("Opening %1...").arg(QFileInfo(path).fileName()),
                        [&] { xlsx::OpenWorkbook(m_pApp, path.toStdString()); });
    } catch (const AutomationError& error) {
        ShowError(error);
        return false;
    }
    RememberFile(path);
    Refresh();
    return true;
}

bool StudioWindow::Save() {
    const auto book = m_pApp->ActiveWorkbook();
    if (book == nullptr) {
        return false;
    }
    return HasFile(*book) ? SaveAs(QString::fromStdString(book->FullName())) : SaveChosenFile();
}

bool StudioWindow::SaveAs(const QString& path) {
    const auto book = m_pApp->ActiveWorkbook();
    if (book == nullptr) {
        return false;
    }
    // Under another name, what the file would lose is said before anything
    // is written; over its own file the save itself refuses such a loss.
    const std::string losses = xlsx::SaveLosses(*book);
    if (!losses.empty() && QFileInfo(path) != QFileInfo(QString::fromStdString(book->FullName()))) {
        const int32_t answer = Environment::Current().MessageBox(
            "Saving as " + QFileInfo(path).fileName().toStdString() + " will not keep:\n" + losses +
                "Save anyway?",
            msgbox::OkCancel | msgbox::Exclamation, "Vantor Studio");
        if (answer != msgbox::Ok) {
            return false;
        }
    }
    try {
        RunWithProgress(tr("Saving %1...").arg(QFileInfo(path).fileName()),
                        [&] { xlsx::SaveWorkbook(*book, path.toStdString()); });
    } catch (const AutomationError& error) {
        ShowError(error);
        return false;
    }
    RememberFile(path);
    Refresh();
    return true;
}

bool StudioWindow::MaybeSave() {
    const auto book = m_pApp->ActiveWorkbook();
    if (book == nullptr || book->Saved()) {
        return true;
    }
    const int32_t answer = Environment::Current().MessageBox(
        "Save the changes to " + ShownName(*book).toStdString() + "?",
        msgbox::YesNoCancel | msgbox::Question, "Vantor Studio");
    if (answer == msgbox::Yes) {
        return Save();
    }
    return answer == msgbox::No;
}

void StudioWindow::OpenChosenFile() {
    if (!MaybeSave()) {
        return;
    }
    const QString path = QFileDialog::getOpenFileName(this, tr("Open"), QString(), FileFilter);
    if (!path.isEmpty()) {
        OpenFile(path);
    }
}

bool StudioWindow::SaveChosenFile() {
    const auto book = m_pApp->ActiveWorkbook();
    if (book == nullptr) {
        return false;
    }
    QString suggested = QString::fromStdString(book->FullName());
    if (!suggested.endsWith(".xlsx", Qt::CaseInsensitive)) {
        suggested += ".xlsx";
    }
    const QString path = QFileDialog::getSaveFileName(this, tr("Save As"), suggested, FileFilter);
    return !path.isEmpty() && SaveAs(path);
}

void StudioWindow::RunWithProgress(const QString& label, const std::function<void()>& work) {
    std::exception_ptr failure;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        done = true;
    });
    {
        // The bar shows only when the work takes a while; the window takes no
        // input meanwhile, so nothing touches the workbook.
        QProgressDialog progress(label, QString(), 0, 0, this);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(400);
        progress.setCancelButton(nullptr);
        while (!done) {
            progress.setValue(0);
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    worker.join();
    if (failure) {
        std::rethrow_exception(failure);
    }
}

QStringList StudioWindow::RecentFiles() const {
    QStringList files;
    try {
        const RegFile store = KeyStore::Default().Read();
        for (int i = 1; i <= MaxRecentFiles; ++i) {
            if (const auto path = store.QueryString(StoreKey, "Recent" + std::to_string(i))) {
                files << QString::fromStdString(*path);
            }
        }
    } catch (const AutomationError&) {
        // An unreadable store has no recent files to offer.
    }
    return files;
}

void StudioWindow::RememberFile(const QString& path) {
    QStringList files = RecentFiles();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files.removeAll(absolute);
    files.prepend(absolute);
    try {
        KeyStore::Default().Update([&](RegFile& store) {
            store.CreateKey(StoreKey);
            for (int i = 0; i < MaxRecentFiles; ++i) {
                const std::string name = "Recent" + std::to_string(i + 1);
                if (i < files.size()) {
                    store.SetString(StoreKey, name, files[i].toStdString());
                } else {
                    store.DeleteValue(StoreKey, name);
                }
            }
            return true;
        });
    } catch (const AutomationError& error) {
        statusBar()->showMessage(QString::fromStdString(error.Description()));
    }
}

void StudioWindow::ShowRecentFiles() {
    m_pRecent->clear();
    const QStringList files = RecentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        m_pRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path), this, [this, path] {
            if (MaybeSave()) {
                OpenFile(path);
            }
        });
    }
    if (files.isEmpty()) {
        m_pRecent->addAction(tr("(none)"))->setEnabled(false);
    }
}

void StudioWindow::RestoreGeometry() {
    QRect wanted(QPoint(0, 0), QSize(900, 600));
    try {
        const auto stored = KeyStore::Default().Read().QueryString(StoreKey, "Window.Geometry");
        const QStringList parts = QString::fromStdString(stored.value_or("")).split(',');
        if (parts.size() == 4) {
            wanted = QRect(parts[0].toInt(), parts[1].toInt(), parts[2].toInt(), parts[3].toInt());
        }
    } catch (const AutomationError&) {
        // An unreadable store leaves the window at its default place.
    }
    // Never larger than the screen's free area, and inside it.
    const QRect available = screen()->availableGeometry();
    const QSize size = wanted.size().boundedTo(available.size()).expandedTo(QSize(200, 150));
    resize(size);
    if (wanted.topLeft() != QPoint(0, 0)) {
        const int x = std::clamp(wanted.x(), available.left(), available.right() - size.width() + 1);
        const int y = std::clamp(wanted.y(), available.top(), available.bottom() - size.height() + 1);
        move(x, y);
    }
}

void StudioWindow::StoreGeometry() {
    const QRect place(pos(), size());
    const std::string text = std::to_string(place.x()) + "," + std::to_string(place.y()) + "," +
                             std::to_string(place.width()) + "," + std::to_string(place.height());
    try {
        KeyStore::Default().Update([&](RegFile& store) {
            if (store.QueryString(StoreKey, "Window.Geometry") == text) {
                return false;
            }
            store.CreateKey(StoreKey);
            store.SetString(StoreKey, "Window.Geometry", text);
            return true;
        });
    } catch (const AutomationError&) {
        // The place is a convenience; a store that cannot take it changes nothing else.
    }
}

void StudioWindow::closeEvent(QCloseEvent* event) {
    if (!MaybeSave()) {
        event->ignore();
        return;
    }
    StoreGeometry();
    event->accept();
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

void StudioWindow::ShowSheet(int tab) {
    const auto book = m_pApp->ActiveWorkbook();
    const int index = m_pSheetTabs->tabData(tab).toInt();
    if (book == nullptr || tab < 0 || index >= static_cast<int>(book->Sheets().size())) {
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
        // Hidden sheets have no tab; each tab knows its sheet's index.
        int active = 0;
        for (size_t i = 0; i < book->Sheets().size(); ++i) {
            const auto& sheet = book->Sheets()[i];
            if (!sheet->Visible()) {
                continue;
            }
            const int tab = m_pSheetTabs->addTab(QString::fromStdString(sheet->Name()));
            m_pSheetTabs->setTabData(tab, static_cast<int>(i));
            if (sheet == book->ActiveSheet()) {
                active = tab;
            }
        }
        m_pSheetTabs->setCurrentIndex(active);
        m_pSheetTabs->setVisible(ObjectRef(book).Get("DisplayWorkbookTabs").ToBool());
        setWindowTitle(ShownName(*book) + tr("[*] - Vantor Studio"));
        setWindowModified(!book->Saved());
        m_pGrid->SetSheet(book->ActiveSheet());
    }
    // The undo commands name the step they take back.
    const auto& history = *m_pApp->History();
    m_pUndo->setEnabled(history.CanUndo());
    m_pUndo->setText(history.CanUndo()
                         ? tr("&Undo %1").arg(QString::fromStdString(history.UndoNames().front()))
                         : tr("&Undo"));
    m_pRedo->setEnabled(history.CanRedo());
    m_pRedo->setText(history.CanRedo()
                         ? tr("&Redo %1").arg(QString::fromStdString(history.RedoNames().front()))
                         : tr("&Redo"));
    m_pGrid->viewport()->update();
}

} // namespace vantor::qt
