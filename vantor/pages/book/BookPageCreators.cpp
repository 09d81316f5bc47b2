#include "vantor/framework/ClassCreators.hpp"
#include "vantor/pages/book/BookPropCalc.hpp"
#include "vantor/pages/book/BookPropGeneral.hpp"
#include "vantor/pages/book/BookandSheetProp.hpp"
#include "vantor/pages/book/SheetPropDefault.hpp"
#include "vantor/pages/book/SheetPropProtect.hpp"
#include "vantor/pages/book/SheetPropView.hpp"

namespace vantor {

// The creatable classes of the workbook and worksheet pages.
ClassCreators BookPageCreators() {
    return {
        {"BookPropGeneral", [] { return std::make_shared<BookPropGeneral>(); }},
        {"BookPropCalc", [] { return std::make_shared<BookPropCalc>(); }},
        {"SheetPropView", [] { return std::make_shared<SheetPropView>(); }},
        {"SheetPropDefault", [] { return std::make_shared<SheetPropDefault>(); }},
        {"SheetPropProtect", [] { return std::make_shared<SheetPropProtect>(); }},
        {"BookandSheetProp", [] { return std::make_shared<BookandSheetProp>(); }},
    };
}

} // namespace vantor
