#pragma once

#include <string>

namespace vantor::numfmt {

// The General format as spreadsheets show it in a cell of standard width: at most 11
// characters, sign included; fixed notation while it fits and shows the value, scientific
// (1.23457E+11, 1E-05) otherwise.
constexpr int GeneralWidth = 11;

void AppendGeneral(std::string& out, double value);

} // namespace vantor::numfmt
