#pragma once
#include <string>
#include <string_view>

// The maximum change of iteration as text, both ways. "." is the decimal
// point whatever the locale, so that what a page shows reads back the same.
namespace vantor {

// The short form: up to 15 significant digits, no zero before the point and
// a leading blank for a value that is not negative (" .001", " 100", "-.5",
// " 1E-16").
std::string ShortNumberText(double value);
// The form of the pattern "0.0#########": one digit at least on each side of
// the point, at most ten after it, rounded ("0.001", "100.0", "0.0").
std::string FixedNumberText(double value);
// The number at the start of the text: leading blanks skipped, a sign, digits
// with "." as the point and an exponent; reading stops at the first character
// that cannot continue the number. A text without a leading number gives 0.
double LeadingNumber(std::string_view text);

} // namespace vantor
