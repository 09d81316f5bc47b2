#pragma once
#include "vantor/Export.h"
#include "vantor/framework/LibraryObject.hpp"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

class PropertyPage;
class DialogPage;

// The protocol a class speaks to its host.
enum class ClassProtocol {
    PropertyPage, // the page protocol: a tab of a property dialog over a target
    DialogPage,   // the dialog-style pages, which end their dialog through a typed site
    Control,      // a control a page embeds (the font preview): no page protocol
};

// One creatable class of the type library.
struct VANTOR_API ClassInfo {
    std::string name;        // "CellPropAlign"
    std::string classId;     // "{7DC6D336-...}"
    std::string defaultIid;  // the default interface "_CellPropAlign"
    std::string eventIid;    // the event interface "__CellPropAlign"
    ClassProtocol protocol = ClassProtocol::PropertyPage;
    std::function<std::shared_ptr<LibraryObject>()> create; // empty while not built

    std::string ProgId() const { return "Vantor." + name; }
};

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
    // The page of that class, or null when the library has no such class in
    // this build, it speaks another protocol or its creation failed; never throws.
    static std::shared_ptr<PropertyPage> CreatePropertyPage(std::string_view nameOrId) noexcept;
    // The dialog-style page of that class, or null, as CreatePropertyPage.
    static std::shared_ptr<DialogPage> CreateDialogPage(std::string_view nameOrId) noexcept;
};

} // namespace vantor
