#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "vantor/automation/Variant.hpp"

// The error values a cell can hold, as their codes and as the names that
// files and the grid show ("#DIV/0!" is code 2007).
namespace vantor::model::errorvalues {

// The name of a code, or "" when the code is none of them.
std::string_view NameOf(int32_t code);
// The name of an error value; "#VALUE!" for a code none of them has.
std::string_view NameOf(const Variant& value);
// The code of a name, or 0 when the name is none of them.
int32_t CodeOf(std::string_view name);

} // namespace vantor::model::errorvalues
