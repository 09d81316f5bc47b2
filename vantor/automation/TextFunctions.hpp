#pragma once
#include "vantor/Export.h"
#include <cstddef>
#include <string>
#include <string_view>

// Text helpers over UTF-8 strings. Case mapping and caseless comparison use
// ICU's full Unicode rules.
namespace vantor {

// Unicode case folding, for comparisons without regard to case.
VANTOR_API std::string FoldCase(std::string_view text);
VANTOR_API bool EqualsIgnoreCase(std::string_view a, std::string_view b);
VANTOR_API std::string ToUpper(std::string_view text);
VANTOR_API std::string ToLower(std::string_view text);

// Removes blanks (spaces) at both ends, as the classic Trim does.
VANTOR_API std::string Trim(std::string_view text);

// The number at the start of the text, as the classic Val reads it: leading
// blanks and tabs skipped, a sign, digits with "." as the point whatever the
// locale, and an exponent; reading stops at the first character that cannot
// continue the number. A text without a leading number gives 0, one too large
// infinity, one too small 0.
VANTOR_API double LeadingNumber(std::string_view text);

// Number of Unicode characters (code points) of a UTF-8 text.
VANTOR_API size_t CharCount(std::string_view text);
// The first `count` characters of a UTF-8 text.
VANTOR_API std::string LeftChars(std::string_view text, size_t count);

} // namespace vantor
