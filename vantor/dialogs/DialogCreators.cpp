#include "vantor/dialogs/CellStyles.hpp"
#include "vantor/dialogs/SheetChoice.hpp"
#include "vantor/dialogs/SheetProtectPass.hpp"
#include "vantor/framework/ClassCreators.hpp"

namespace vantor {

// The creatable classes of the dialog-style pages.
ClassCreators DialogCreators() {
    return {
        {"SheetProtectPass", [] { return std::make_shared<SheetProtectPass>(); }},
        {"CellStyles", [] { return std::make_shared<CellStyles>(); }},
        {"SheetChoice", [] { return std::make_shared<SheetChoice>(); }},
    };
}

} // namespace vantor
