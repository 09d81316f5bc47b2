#pragma once
#include "host/DialogCatalogue.hpp"
#include "vantor/framework/TargetList.hpp"

#include <QMainWindow>

#include <memory>

class QAction;
class QLabel;
class QTabBar;

namespace vantor::model {
class Application;
}

namespace vantor::qt {

class DialogPageWindow;
class PropertyDialogWindow;
class SheetGrid;

// The desktop spreadsheet: the active workbook's sheets in a grid with sheet
// tabs, and commands that open every dialog of the catalogue over the
// current selection and each dialog-style page alone, undo and redo.
class StudioWindow : public QMainWindow {
public:
    StudioWindow(std::shared_ptr<model::Application> app, double dpi, QWidget* parent = nullptr);

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

    void Undo();
    void Redo();
    // Shows the model again: sheets, grid, the undo commands.
    void Refresh();

private:
    void BuildMenus();
    void ShowSheet(int index);

    std::shared_ptr<model::Application> m_pApp;
    double m_dDpi;
    SheetGrid* m_pGrid = nullptr;
    QTabBar* m_pSheetTabs = nullptr;
    QLabel* m_pAddress = nullptr;
    QAction* m_pUndo = nullptr;
    QAction* m_pRedo = nullptr;
};

} // namespace vantor::qt
