#pragma once
#include "host/SessionText.hpp"
#include "vantor/automation/Object.hpp"

#include <string>

// Reading and writing a member path ("Borders(8).LineStyle") from an object,
// as session scripts do. A member that does not exist is a script error;
// other failures are the object's own and reach the caller.
namespace vantor::host {

Variant ReadPath(const ObjectRef& root, const std::string& path);
// Writing a note's text where a cell has none creates the note first.
void WritePath(const ObjectRef& root, const std::string& path, const Variant& value);

} // namespace vantor::host
