#pragma once
#include <string>

// The maximum change of iteration as text. "." is the decimal point whatever
// the locale, so that what a page shows reads back the same (LeadingNumber).
namespace vantor {

// The short form: up to 15 significant digits, no zero before the point and
// a leading blank for a value that is not negative (" .001", " 100", "-.5",
// " 1E-16").
std::string ShortNumberText(double value);
// The form of the pattern "0.0#########": one digit at least on each side of
// the point, at most ten after it, rounded ("0.001", "100.0", "0.0").
std::string FixedNumberText(double value);

} // namespace vantor
