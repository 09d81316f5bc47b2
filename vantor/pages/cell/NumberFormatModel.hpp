#pragma once
#include "vantor/automation/Enumerations.hpp"
#include "vantor/automation/Variant.hpp"

#include <cstdint>
#include <string>

// The number format categories with their codes, the samples that list
// entries are shown on, and the builders of the codes the number format page
// makes from a category's options. Recognising a code is the application's
// work (its "NumberFormats" collection); building one is the page's.
namespace vantor::numberformat {

// Category codes, the model's (numberformat::Number and so on): a format
// object's "Category", and the item data of the category list, whose order is
// the order of Categories.
using namespace enums::FormatCategory;

struct Category {
    int32_t code;
    const char* name;  // as the category list shows it
    const char* frame; // the frame of its options or list
};

constexpr Category Categories[] = {
    {General, "General", "frNone"},       {Number, "Number", "frNumber"},
    {Currency, "Currency", "frCurrency"}, {Scientific, "Scientific", "frScientific"},
    {Date, "Date", "frFormatList"},       {Time, "Time", "frFormatList"},
    {Percent, "Percent", "frPercent"},    {NumericList, "Special", "frFormatList"},
    {Text, "Text", "frFormatList"},       {Custom, "Custom", "frFormatList"},
};

// Whether the category's code is one of the application's formats, chosen
// from a list (Date, Time, NumericList, Text, Custom).
bool IsListed(int32_t category);

// The value a list entry of the category is shown on; Empty for Custom,
// whose entries show their codes.
Variant Sample(int32_t category);

// The code of a Number, Currency or Scientific format: the prefix, "#,##0"
// or "0", then the decimals, then an exponent of that many digits with its
// sign ("+" when exponentSign is True, "-" otherwise; Null counts as False).
std::string BuildFormatCode(int32_t decimals, bool useSeparator, const std::string& prefix,
                            int32_t exponentDigits, const Variant& exponentSign);
// The code of a Percent format: "0", the decimals, "%".
std::string BuildPercentCode(int32_t decimals);

} // namespace vantor::numberformat
