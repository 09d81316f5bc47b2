#include "vantor/framework/ClassTable.hpp"

namespace vantor {

// The creatable classes of the workbook and worksheet pages.
ClassCreators BookPageCreators() { return {}; }

} // namespace vantor
