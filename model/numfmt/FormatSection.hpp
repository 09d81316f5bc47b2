#pragma once

#include "model/numfmt/FormatToken.hpp"

#include <vector>

namespace vantor::numfmt {

enum class SectionKind : unsigned char {
    Empty,    // nothing at all: the value shows as an empty text
    Literal,  // only literal text: the value itself is not shown
    General,  // the word General, possibly with literals
    Number,   // digit placeholders, possibly with exponent
    Fraction, // digit placeholders with a fraction bar
    Date,     // date and time codes
    Text      // @ and literals
};

enum class CompareOp : unsigned char {
    None,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    Equal,
    NotEqual
};

// One compiled section of a format code: its tokens in order and the layout facts the renderer
// needs, worked out once when the code is parsed.
struct FormatSection {
    SectionKind m_kind = SectionKind::Empty;
    std::vector<FormatToken> m_tokens;

    CompareOp m_conditionOp = CompareOp::None;
    double m_conditionValue = 0.0;
    int m_color = 0; // 0 none, else a palette index 1..56

    bool m_hasFill = false;

    // Number and fraction sections.
    int m_integerDigits = 0;
    int m_decimalDigits = 0;
    int m_exponentDigits = 0;
    int m_wholeDigits = 0;
    int m_numeratorDigits = 0;
    int m_denominatorDigits = 0;
    int m_fixedDenominator = 0;
    int m_scalePower = 0; // powers of ten applied to the value: +2 per %, -3 per scaling comma
    int m_percentCount = 0;
    int m_scalingCommas = 0;
    bool m_thousands = false;
    bool m_hasExponent = false;
    bool m_integerHasHash = false;

    // Date sections.
    int m_subSecondDigits = 0;
    bool m_hasAmPm = false;
    bool m_hasDateParts = false; // year, month or day; without them a code shows a time
};

} // namespace vantor::numfmt
