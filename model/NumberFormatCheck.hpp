#pragma once
#include <string>
#include <string_view>

// Where a number format code is checked before a cell stores it.
namespace vantor::model::numberformat {

// The code as cells store it: "General" (in any case) is stored as "".
// Raises 1004 for a code longer than 255 characters or one the number-format
// engine refuses.
std::string CheckedCode(std::string_view code);

} // namespace vantor::model::numberformat
