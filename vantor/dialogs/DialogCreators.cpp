#include "vantor/framework/ClassTable.hpp"

namespace vantor {

// The creatable classes of the dialog-style pages.
ClassCreators DialogCreators() { return {}; }

} // namespace vantor
