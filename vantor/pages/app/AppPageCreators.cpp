#include "vantor/framework/ClassTable.hpp"

namespace vantor {

// The creatable classes of the application pages.
ClassCreators AppPageCreators() { return {}; }

} // namespace vantor
