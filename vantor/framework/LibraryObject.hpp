#pragma once
#include "vantor/Export.h"
#include <cstdint>
#include <string>

namespace vantor {

// Base of every object the library creates for a host (pages, dialog-style
// pages, the font preview); it counts the live ones so that the library can
// tell whether it may be unloaded.
class VANTOR_API LibraryObject {
public:
    LibraryObject();
    LibraryObject(const LibraryObject&);
    LibraryObject& operator=(const LibraryObject&) = default;
    virtual ~LibraryObject();

    // The class name of the class table ("CellPropAlign").
    virtual std::string ClassName() const = 0;

    static int64_t Alive();
};

} // namespace vantor
