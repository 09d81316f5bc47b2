#include "vantor/framework/ClassTable.hpp"
#include "vantor/pages/book/BookPropCalc.hpp"
#include "vantor/pages/book/BookPropGeneral.hpp"

namespace vantor {

// The creatable classes of the workbook and worksheet pages.
ClassCreators BookPageCreators() {
    return {
        {"BookPropGeneral", [] { return std::make_shared<BookPropGeneral>(); }},
        {"BookPropCalc", [] { return std::make_shared<BookPropCalc>(); }},
    };
}

} // namespace vantor
