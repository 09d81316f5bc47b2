#pragma once
#include "vantor/Export.h"
#include "vantor/framework/LibraryObject.hpp"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// One creatable class of the type library.
struct VANTOR_API ClassInfo {
    std::string name;        // "CellPropAlign"
    std::string classId;     // "{7DC6D336-...}"
    std::string defaultIid;  // the default interface "_CellPropAlign"
    std::string eventIid;    // the event interface "__CellPropAlign"
    std::function<std::shared_ptr<LibraryObject>()> create; // empty while not built

    std::string ProgId() const { return "Vantor." + name; }
};

// The creators of each area of the library, by class name; each area's
// folder defines its list.
using ClassCreators = std::vector<std::pair<std::string, std::function<std::shared_ptr<LibraryObject>()>>>;
ClassCreators CellPageCreators();
ClassCreators BookPageCreators();
ClassCreators AppPageCreators();
ClassCreators DialogCreators();
ClassCreators ControlCreators();

// The classes of the library and their creation by class name ("CellPropAlign"
// or "Vantor.CellPropAlign") or by class identity.
class VANTOR_API ClassTable {
public:
    static const std::vector<ClassInfo>& Classes();
    // Matches names without regard to case, identities with or without braces;
    // null when the library has no such class.
    static const ClassInfo* Find(std::string_view nameOrId);
    // 429 for an unknown class or one that this build does not have yet.
    static std::shared_ptr<LibraryObject> Create(std::string_view nameOrId);
};

} // namespace vantor
