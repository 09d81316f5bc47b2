#pragma once
#include "host/DialogCatalogue.hpp"
#include "vantor/framework/TargetList.hpp"

#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QTabBar;

namespace vantor::model {
class Application;
}
namespace vantor::host {
class OptionsStore;
}

namespace vantor::qt {

class DialogPageWindow;
class PropertyDialogWindow;
class SheetGrid;

// The desktop spreadsheet: an editor of workbook files. The active workbook's
// sheets in a grid with sheet tabs; new, open, save and recent files; commands
// that open every dialog of the catalogue over the current selection and each
// dialog-style page alone, undo and redo. The window's place and the recent
// files are kept in the settings store.
class StudioWindow : public QMainWindow {
public:
    // The settings store's key of the studio.
    static constexpr const char* StoreKey = "HKEY_CURRENT_USER\\Software\\Corvane\\Ovrin2002\\Tabo\\Studio";
    static constexpr int MaxRecentFiles = 8;

    StudioWindow(std::shared_ptr<model::Application> app, double dpi, QWidget* parent = nullptr);

    // Keeps the application's options in `options` each time a dialog over
    // the application applies (Options, New Workbook Defaults).
    void UseStoredOptions(std::shared_ptr<host::OptionsStore> options) {
        m_pOptions = std::move(options);
    }

    SheetGrid* Grid() const { return m_pGrid; }
    QTabBar* SheetTabs() const { return m_pSheetTabs; }
    const std::shared_ptr<model::Application>& App() const { return m_pApp; }

    // A catalogue dialog over the present selection, not yet shown.
    std::unique_ptr<PropertyDialogWindow> CreateDialog(const host::CatalogueDialog& dialog);
    // Shows it modally; the grid shows what it did.
    void RunDialog(const host::CatalogueDialog& dialog);
    // A dialog-style page in its own dialog, not yet shown; null when this
    // build lacks the class.
    std::unique_ptr<DialogPageWindow> CreateDialogPage(const std::string& className);
    // Shows it modally and tells in the status bar how it ended.
    void RunDialogPage(const std::string& className);
    // A dialog a dialog-style page asks for: "Format Cells" over a named
    // style, with the tabs of the formats a style holds, as one undo step.
    // -1 when it ended with OK, -2 otherwise; 5 for any other dialog.
    int32_t ShowHostDialog(const std::string& name, const Variant& target);

    void Undo();
    void Redo();
    // Shows the model again: sheets, grid, title, the undo commands.
    void Refresh();

    // Files. Each shows its failure in a message box and answers false.
    void NewWorkbook();
    bool OpenFile(const QString& path);
    // Saves to the workbook's file, or asks for one when it has none.
    bool Save();
    bool SaveAs(const QString& path);
    // Asks whether to save unsaved changes: true when the user saved them or
    // let them go, false when the user cancelled (or the save failed).
    bool MaybeSave();
    // Most recent first, from the settings store.
    QStringList RecentFiles() const;
    QAction* UndoAction() const { return m_pUndo; }
    QAction* RedoAction() const { return m_pRedo; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    // The sheet of that tab, in the grid.
    void ShowSheet(int tab);
    // Activates the sheet of that name, showing it when it is hidden.
    void GoToSheet(const std::string& name);
    void OpenChosenFile();
    bool SaveChosenFile();
    void RememberFile(const QString& path);
    void ShowRecentFiles();
    // Runs `work` on a worker thread while a busy bar shows, so that a large
    // file does not freeze the window; rethrows what `work` threw.
    void RunWithProgress(const QString& label, const std::function<void()>& work);
    void RestoreGeometry();
    void StoreGeometry();

    std::shared_ptr<model::Application> m_pApp;
    std::shared_ptr<host::OptionsStore> m_pOptions;
    double m_dDpi;
    SheetGrid* m_pGrid = nullptr;
    QTabBar* m_pSheetTabs = nullptr;
    QLabel* m_pAddress = nullptr;
    QAction* m_pUndo = nullptr;
    QAction* m_pRedo = nullptr;
    QMenu* m_pRecent = nullptr;
};

} // namespace vantor::qt
