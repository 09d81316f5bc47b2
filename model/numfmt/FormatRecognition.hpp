#pragma once

#include <cstdint>
#include <string>

namespace vantor::numfmt {

class FormatCode;

// Number format categories, as the object model's Long constants.
namespace FormatCategory {
constexpr std::int32_t General = 1;
constexpr std::int32_t Number = -4145;
constexpr std::int32_t Currency = 6;
constexpr std::int32_t Scientific = 32;
constexpr std::int32_t Date = 7;
constexpr std::int32_t Time = 34;
constexpr std::int32_t Percent = 35;
constexpr std::int32_t NumericList = 33; // fractions
constexpr std::int32_t Text = -4158;
constexpr std::int32_t Custom = 1000;
} // namespace FormatCategory

// What a format code is, as the number format page reads it back: the category and the
// options the code would have been built from.
struct FormatInfo {
    std::int32_t m_category = FormatCategory::Custom;
    std::int32_t m_fixedDecimalPlaces = 0;
    bool m_useComma = false;
    std::string m_currencySymbol;
    bool m_exponentSign = false;
};

// Recognises the category and options of a compiled code. Codes of several sections are
// recognised by their first section when that is a Number or Currency pattern (so
// "#,##0.00;[Red]-#,##0.00" is Number with 2 places); other several-section codes are Custom.
FormatInfo Recognize(const FormatCode& code);

} // namespace vantor::numfmt
