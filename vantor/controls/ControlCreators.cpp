#include "vantor/framework/ClassTable.hpp"

namespace vantor {

// The creatable classes of the controls.
ClassCreators ControlCreators() { return {}; }

} // namespace vantor
