#pragma once
#include "vantor/framework/LibraryObject.hpp"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Internal: how the class table learns the classes each area of the library
// builds. Hosts create objects through ClassTable.
namespace vantor {

// The creators of each area of the library, by class name; each area's
// folder defines its list.
using ClassCreators = std::vector<std::pair<std::string, std::function<std::shared_ptr<LibraryObject>()>>>;
ClassCreators CellPageCreators();
ClassCreators BookPageCreators();
ClassCreators AppPageCreators();
ClassCreators DialogCreators();
ClassCreators ControlCreators();

} // namespace vantor
