#include "vantor/framework/ClassCreators.hpp"
#include "vantor/pages/cell/CellPropAlign.hpp"
#include "vantor/pages/cell/CellPropBackGround.hpp"
#include "vantor/pages/cell/CellPropBorder.hpp"
#include "vantor/pages/cell/CellPropControl.hpp"
#include "vantor/pages/cell/CellPropFont.hpp"
#include "vantor/pages/cell/CellPropFormat.hpp"
#include "vantor/pages/cell/CellPropOther.hpp"

#include <memory>

namespace vantor {

// The creatable classes of the cell format pages.
ClassCreators CellPageCreators() {
    return {
        {"CellPropAlign", [] { return std::make_shared<CellPropAlign>(); }},
        {"CellPropBorder", [] { return std::make_shared<CellPropBorder>(); }},
        {"CellPropControl", [] { return std::make_shared<CellPropControl>(); }},
        {"CellPropOther", [] { return std::make_shared<CellPropOther>(); }},
        {"CellPropBackGround", [] { return std::make_shared<CellPropBackGround>(); }},
        {"CellPropFont", [] { return std::make_shared<CellPropFont>(); }},
        {"CellPropFormat", [] { return std::make_shared<CellPropFormat>(); }},
    };
}

} // namespace vantor
