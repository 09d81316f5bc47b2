#include "host/DialogCatalogue.hpp"

#include "vantor/automation/TextFunctions.hpp"

#include <utility>

namespace vantor::host {

const char* TargetKindName(TargetKind kind) {
    switch (kind) {
    case TargetKind::Selection:
        return "the selected range";
    case TargetKind::Workbook:
        return "the active workbook";
    case TargetKind::Sheets:
        return "the selected sheets";
    case TargetKind::Application:
        return "the application";
    case TargetKind::None:
        return "none";
    }
    return "?";
}

const std::vector<CatalogueDialog>& DialogCatalogue::Dialogs() {
    static const std::vector<CatalogueDialog> dialogs = {
        {"Format Cells",
         TargetKind::Selection,
         {"CellPropFormat", "CellPropAlign", "CellPropFont", "CellPropBorder", "CellPropBackGround",
          "CellPropOther", "CellPropControl"}},
        {"Workbook", TargetKind::Workbook, {"BookPropGeneral", "BookPropCalc"}},
        {"Worksheet",
         TargetKind::Sheets,
         {"SheetPropView", "SheetPropDefault", "SheetPropProtect"}},
        {"Workbook and Worksheet", TargetKind::Application, {"BookandSheetProp"}},
        // Both application pages write the sheet count of new workbooks: in one
        // dialog the later tab would write its stale count over a change made
        // on the earlier one, so each has a dialog of its own.
        {"Options", TargetKind::Application, {"AppProp", "AppMisc"}},
        {"New Workbook Defaults", TargetKind::Application, {"AppPropDefault"}},
    };
    return dialogs;
}

const CatalogueDialog* DialogCatalogue::Find(std::string_view name) {
    for (const CatalogueDialog& dialog : Dialogs()) {
        if (EqualsIgnoreCase(dialog.name, name)) {
            return &dialog;
        }
    }
    return nullptr;
}

const std::vector<std::string>& DialogCatalogue::DialogStylePages() {
    static const std::vector<std::string> pages = {"SheetProtectPass", "CellStyles", "SheetChoice"};
    return pages;
}

TargetKind DialogCatalogue::TargetOf(std::string_view className) {
    for (const CatalogueDialog& dialog : Dialogs()) {
        for (const std::string& page : dialog.pages) {
            if (EqualsIgnoreCase(page, className)) {
                // The miscellaneous options page ignores its targets.
                return EqualsIgnoreCase(page, "AppMisc") ? TargetKind::None : dialog.target;
            }
        }
    }
    return TargetKind::None;
}

TargetKind DialogCatalogue::ParamOf(std::string_view className) {
    static const std::pair<const char*, TargetKind> params[] = {
        {"CellStyles", TargetKind::Selection},
        {"SheetChoice", TargetKind::Workbook},
    };
    for (const auto& [page, param] : params) {
        if (EqualsIgnoreCase(page, className)) {
            return param;
        }
    }
    return TargetKind::None;
}

const std::vector<std::string>& DialogCatalogue::StylePages() {
    static const std::vector<std::string> pages = {"CellPropFormat", "CellPropAlign", "CellPropFont",
                                                   "CellPropBorder", "CellPropBackGround"};
    return pages;
}

} // namespace vantor::host
