#include "vantor/framework/ClassTable.hpp"

namespace vantor {

// The creatable classes of the cell format pages.
ClassCreators CellPageCreators() { return {}; }

} // namespace vantor
