#pragma once
#include "vantor/Export.h"

#include "vantor/automation/Enumerations.hpp"

#include <cstdint>
#include <string>

namespace vantor::numfmt {

class FormatCode;

// What a format code is, as the number format page reads it back: the category and the
// options the code would have been built from.
struct VANTOR_API FormatInfo {
    std::int32_t m_category = enums::FormatCategory::Custom;
    std::int32_t m_fixedDecimalPlaces = 0;
    bool m_useComma = false;
    std::string m_currencySymbol;
    bool m_exponentSign = false;
};

// Recognises the category and options of a compiled code. Codes of several sections are
// recognised by their first section when that is a Number or Currency pattern (so
// "#,##0.00;[Red]-#,##0.00" is Number with 2 places); other several-section codes are Custom.
VANTOR_API FormatInfo Recognize(const FormatCode& code);

} // namespace vantor::numfmt
