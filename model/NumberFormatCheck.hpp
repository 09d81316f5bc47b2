#pragma once
#include "model/numfmt/FormatError.hpp"

#include <optional>
#include <string>
#include <string_view>

// Where a number format code is checked before a cell stores it.
namespace vantor::model::numberformat {

// What is wrong with a code a cell could not store (one the number-format
// engine refuses, a code longer than 255 characters among them), with where
// it is; nothing for a good code.
std::optional<numfmt::FormatError> ProblemOf(std::string_view code);

// The code as cells store it: "General" (in any case) is stored as "".
// Raises 1004, saying what is wrong and where, for a code with a problem.
std::string CheckedCode(std::string_view code);

} // namespace vantor::model::numberformat
