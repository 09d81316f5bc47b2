#pragma once
#include <cstdint>
#include <string>

// The maximum change of iteration as text. "." is the decimal point whatever
// the locale, so that what a page shows reads back the same (LeadingNumber).
namespace vantor {

class TextBox;

// The short form: up to 15 significant digits, no zero before the point and
// a leading blank for a value that is not negative (" .001", " 100", "-.5",
// " 1E-16").
std::string ShortNumberText(double value);
// The refusal shown when a maximum change typed is one the workbook refuses.
constexpr const char* MaxChangeRefused = "The maximum change must be a number of 0 or more.";
// Whether the workbook takes the maximum change the text gives (its leading
// number): a finite number of 0 or more.
bool AcceptedMaxChange(const std::string& text);
// ValidateData of the calculation pages: 1 after a message when the user
// changed the box to a maximum change the workbook refuses, else 0. A text
// left as loaded is not written, whatever it says.
int32_t ValidateMaxChange(const TextBox& box, const std::string& caption) noexcept;

// The form of the pattern "0.0#########": one digit at least on each side of
// the point, at most ten after it, rounded ("0.001", "100.0", "0.0").
std::string FixedNumberText(double value);

} // namespace vantor
