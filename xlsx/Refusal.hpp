#pragma once
#include <string>

// Refusals of the workbook file layer: error 1004 whose description names the
// file, the part and what is wrong with it.
namespace vantor::xlsx {

[[noreturn]] void Refuse(const std::string& file, const std::string& part, const std::string& what);

} // namespace vantor::xlsx
