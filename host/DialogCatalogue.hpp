#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vantor::host {

// What a page is given as its target.
enum class TargetKind {
    Selection,   // the selected range: the cell-format target
    Workbook,    // the active workbook
    Sheets,      // the selected sheets
    Application, // the application
    None,        // nothing: the page ignores its targets
};

const char* TargetKindName(TargetKind kind);

// A dialog of the host: its name, the target every one of its pages gets,
// and its pages in tab order.
struct CatalogueDialog {
    std::string name;
    TargetKind target;
    std::vector<std::string> pages;
};

// The dialogs the host offers, and the dialog-style pages opened alone.
class DialogCatalogue {
public:
    static const std::vector<CatalogueDialog>& Dialogs();
    // Without regard to case; null when there is none of that name.
    static const CatalogueDialog* Find(std::string_view name);
    // The pages that end their own dialog.
    static const std::vector<std::string>& DialogStylePages();
    // The target a class gets when it is opened alone.
    static TargetKind TargetOf(std::string_view className);
    // What a dialog-style page is given through SetParam: the selection for
    // the cell styles, the workbook for the sheet choice, else nothing.
    static TargetKind ParamOf(std::string_view className);
    // The Format Cells pages shown over a named cell style: those of the
    // formats a style holds.
    static const std::vector<std::string>& StylePages();
};

} // namespace vantor::host
