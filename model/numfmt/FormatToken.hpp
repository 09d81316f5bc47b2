#pragma once

#include <string>

namespace vantor::numfmt {

enum class TokenKind : unsigned char {
    Literal,          // m_text shown as is
    CurrencyTag,      // the symbol of a [$sym-locale] tag, shown as is
    Skip,             // _x: one space
    Fill,             // *x: m_text repeated to the cell width
    TextValue,        // @
    General,          // the word General
    Digit,            // 0 # ? (m_char), m_part says where it belongs
    DecimalPoint,     // .
    Comma,            // , before it is classified as separator, scaling or literal
    Percent,          // %
    Exponent,         // E+ E- e+ e-: m_char is the letter, m_flag the '+'
    Slash,            // / before it is classified as fraction bar or literal
    FixedDenominator, // digits after a fraction bar: m_count is the value, m_text the digits
    MonthOrMinute,    // m run before it is resolved; m_count letters
    Year2,
    Year4,
    Month,
    Month2,
    MonthAbbr,
    MonthName,
    MonthLetter,
    Day,
    Day2,
    DayAbbr,
    DayName,
    Hour,
    Hour2,
    Minute,
    Minute2,
    Second,
    Second2,
    ElapsedHours,   // [h]: m_count is the minimum number of digits
    ElapsedMinutes, // [m]
    ElapsedSeconds, // [s]
    AmPm,           // AM/PM
    AP,             // A/P: m_text holds the two letters as written
    SubSecond       // the 0s of ss.00: m_count digits
};

// Where a digit placeholder of a number section belongs.
enum class NumberPart : unsigned char {
    None,
    Integer,
    Decimal,
    Exponent,
    Whole,
    Numerator,
    Denominator
};

struct FormatToken {
    TokenKind m_kind = TokenKind::Literal;
    NumberPart m_part = NumberPart::None;
    char m_char = 0;
    bool m_flag = false;
    int m_count = 0;
    int m_position = 0; // 1-based character position in the code, for error descriptions
    std::string m_text;
};

} // namespace vantor::numfmt
