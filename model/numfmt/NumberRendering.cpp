#include "model/numfmt/NumberRendering.hpp"

#include "model/numfmt/DecimalNumber.hpp"

#include <cmath>
#include <limits>

namespace vantor::numfmt {
namespace {

// Integer digits of a value of up to 308 digits scaled by up to 510 powers of ten.
constexpr int MaxIntegerDigits = 1100;
constexpr int MaxDenominatorDigits = 9;

// Feeds the placeholders of one integer-like part (integer part, exponent, whole number,
// numerator) from the left: the first placeholder also takes the digits that have no
// placeholder of their own; missing digits show as 0, space or nothing.
class IntegerPlaceholders {
public:
    IntegerPlaceholders(const char* digits, int length, int placeholders, bool thousands)
        : m_digits(digits), m_length(length), m_placeholders(placeholders), m_thousands(thousands) {
    }

    void Append(std::string& out, char placeholder) {
        const int index = m_next++;
        const int extra = m_length - m_placeholders;
        if (index == 0) {
            for (int i = 0; i < extra; ++i)
                Emit(out, m_digits[i], m_length - 1 - i);
        }
        const int fromRight = m_placeholders - 1 - index;
        const int digit = index + extra;
        if (digit >= 0)
            Emit(out, m_digits[digit], fromRight);
        else if (placeholder == '0')
            Emit(out, '0', fromRight);
        else if (placeholder == '?')
            Emit(out, ' ', fromRight);
    }

private:
    void Emit(std::string& out, char c, int fromRight) const {
        out.push_back(c);
        if (m_thousands && fromRight > 0 && fromRight % 3 == 0)
            out.push_back(c == ' ' ? ' ' : ',');
    }

    const char* m_digits;
    int m_length;
    int m_placeholders;
    bool m_thousands;
    int m_next = 0;
};

// Writes the integer digits of number into buffer; returns how many.
int IntegerDigits(const DecimalNumber& number, char* buffer) {
    const int length =
        number.IntegerLength() < MaxIntegerDigits ? number.IntegerLength() : MaxIntegerDigits;
    for (int i = 0; i < length; ++i)
        buffer[i] = number.Digit(i);
    return length;
}

int SmallIntegerDigits(long long value, char* buffer) {
    char reversed[24];
    int length = 0;
    while (value > 0 && length < 20) {
        reversed[length++] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    for (int i = 0; i < length; ++i)
        buffer[i] = reversed[length - 1 - i];
    return length;
}

// The power of ten the mantissa is multiplied by, for a value whose leading digit is at
// power e10. With # in the integer part and several placeholders the exponent is a multiple
// of their count (engineering notation, ##0.0E+0); otherwise the mantissa fills the
// integer placeholders exactly.
int MantissaExponent(int e10, const FormatSection& section) {
    const int placeholders = section.m_integerDigits;
    if (placeholders > 1 && section.m_integerHasHash) {
        const int quotient =
            e10 >= 0 ? e10 / placeholders : -((-e10 + placeholders - 1) / placeholders);
        return quotient * placeholders;
    }
    if (placeholders == 0)
        return e10 + 1;
    return e10 - (placeholders - 1);
}

} // namespace

void AppendNumberSection(RenderTarget& target, const FormatSection& section, double absValue) {
    std::string& out = target.m_out;
    DecimalNumber number = DecimalNumber::FromDouble(absValue, section.m_scalePower);
    int exponent = 0;
    if (section.m_hasExponent && !number.IsZero()) {
        const int e10 = number.PointPosition() - 1;
        exponent = MantissaExponent(e10, section);
        number.Shift(-exponent);
        number.RoundToDecimals(section.m_decimalDigits);
        const int roundedE10 = number.PointPosition() - 1 + exponent;
        if (!number.IsZero() && roundedE10 != e10) { // 9.99 rounded up to 10.0
            const int adjusted = MantissaExponent(roundedE10, section);
            number.Shift(exponent - adjusted);
            exponent = adjusted;
        }
    } else {
        number.RoundToDecimals(section.m_decimalDigits);
    }

    char integerDigits[MaxIntegerDigits];
    const int integerLength = IntegerDigits(number, integerDigits);
    IntegerPlaceholders integerPart(integerDigits, integerLength, section.m_integerDigits,
                                    section.m_thousands);

    char exponentDigits[24];
    const int exponentLength =
        SmallIntegerDigits(exponent < 0 ? -exponent : exponent, exponentDigits);
    IntegerPlaceholders exponentPart(exponentDigits, exponentLength, section.m_exponentDigits,
                                     false);

    // Trailing zeros after the last significant decimal are optional for # and ?.
    int lastSignificant = -1;
    for (int place = 0; place < section.m_decimalDigits; ++place) {
        if (number.FractionDigit(place) != '0')
            lastSignificant = place;
    }
    int decimalIndex = 0;

    for (const FormatToken& token : section.m_tokens) {
        switch (token.m_kind) {
        case TokenKind::Digit:
            if (token.m_part == NumberPart::Integer) {
                integerPart.Append(out, token.m_char);
            } else if (token.m_part == NumberPart::Decimal) {
                const int place = decimalIndex++;
                if (place <= lastSignificant)
                    out.push_back(number.FractionDigit(place));
                else if (token.m_char == '0')
                    out.push_back('0');
                else if (token.m_char == '?')
                    out.push_back(' ');
            } else {
                exponentPart.Append(out, token.m_char);
            }
            break;
        case TokenKind::DecimalPoint:
            // Without integer placeholders the integer digits still show, before the point.
            if (section.m_integerDigits == 0)
                out.append(integerDigits, static_cast<std::size_t>(integerLength));
            out.push_back('.');
            break;
        case TokenKind::Exponent:
            out.push_back(token.m_char);
            if (exponent < 0)
                out.push_back('-');
            else if (token.m_flag)
                out.push_back('+');
            break;
        default:
            AppendPlainToken(target, token);
            break;
        }
    }
}

void BestFraction(double value, long long maxDenominator, double& numerator,
                  long long& denominator) {
    if (!(value >= 0.0) || !std::isfinite(value)) {
        numerator = 0.0;
        denominator = 1;
        return;
    }
    // Continued fraction convergents, with the best semiconvergent at the end.
    double p0 = 0.0;
    double p1 = 1.0;
    long long q0 = 1;
    long long q1 = 0;
    double rest = value;
    for (int iteration = 0; iteration < 64; ++iteration) {
        const double term = std::floor(rest);
        const double qNext = term * static_cast<double>(q1) + static_cast<double>(q0);
        if (!(qNext <= static_cast<double>(maxDenominator))) {
            const long long steps = q1 > 0 ? (maxDenominator - q0) / q1 : 0;
            const double pSemi = static_cast<double>(steps) * p1 + p0;
            const long long qSemi = steps * q1 + q0;
            if (q1 == 0 || (qSemi > 0 && std::fabs(value - pSemi / static_cast<double>(qSemi)) <
                                             std::fabs(value - p1 / static_cast<double>(q1)))) {
                numerator = pSemi;
                denominator = qSemi;
            } else {
                numerator = p1;
                denominator = q1;
            }
            return;
        }
        const double pNext = term * p1 + p0;
        p0 = p1;
        q0 = q1;
        p1 = pNext;
        q1 = static_cast<long long>(qNext);
        const double fraction = rest - term;
        if (fraction <= 0.0)
            break;
        rest = 1.0 / fraction;
    }
    numerator = p1;
    denominator = q1 > 0 ? q1 : 1;
}

void AppendFractionSection(RenderTarget& target, const FormatSection& section, double absValue) {
    std::string& out = target.m_out;
    // Absurd percent scaling could overflow; the largest double still renders.
    const double scaled = absValue * std::pow(10.0, section.m_scalePower);
    const double value = std::isfinite(scaled) ? scaled : std::numeric_limits<double>::max();
    const bool hasWhole = section.m_wholeDigits > 0;
    double whole = hasWhole ? std::floor(value) : 0.0;
    const double fraction = value - whole;

    double numerator = 0.0;
    long long denominator = 1;
    if (section.m_fixedDenominator > 0) {
        denominator = section.m_fixedDenominator;
        numerator = std::round(fraction * static_cast<double>(denominator));
    } else {
        const int digits = section.m_denominatorDigits < MaxDenominatorDigits
                               ? section.m_denominatorDigits
                               : MaxDenominatorDigits;
        long long maxDenominator = 1;
        for (int i = 0; i < digits; ++i)
            maxDenominator *= 10;
        BestFraction(fraction, maxDenominator - 1, numerator, denominator);
    }
    if (hasWhole && numerator >= static_cast<double>(denominator)) {
        whole += 1.0;
        numerator = 0.0;
    }
    // With a whole number and nothing left over the fraction is blanked out; a zero value
    // then still shows its 0.
    const bool blankFraction = hasWhole && numerator == 0.0;

    char wholeDigits[MaxIntegerDigits];
    int wholeLength = IntegerDigits(DecimalNumber::FromDouble(whole, 0), wholeDigits);
    if (blankFraction && wholeLength == 0)
        wholeDigits[wholeLength++] = '0';
    IntegerPlaceholders wholePart(wholeDigits, wholeLength, section.m_wholeDigits,
                                  section.m_thousands);

    char numeratorDigits[MaxIntegerDigits];
    int numeratorLength = IntegerDigits(DecimalNumber::FromDouble(numerator, 0), numeratorDigits);
    if (!hasWhole && numeratorLength == 0)
        numeratorDigits[numeratorLength++] = '0';
    IntegerPlaceholders numeratorPart(numeratorDigits, numeratorLength, section.m_numeratorDigits,
                                      false);

    char denominatorDigits[24];
    const int denominatorLength = SmallIntegerDigits(denominator, denominatorDigits);
    int denominatorIndex = 0;

    for (const FormatToken& token : section.m_tokens) {
        switch (token.m_kind) {
        case TokenKind::Digit:
            if (token.m_part == NumberPart::Whole) {
                wholePart.Append(out, token.m_char);
            } else if (blankFraction) {
                out.push_back(' ');
            } else if (token.m_part == NumberPart::Numerator) {
                numeratorPart.Append(out, token.m_char);
            } else {
                // The denominator is aligned to the left.
                const int place = denominatorIndex++;
                const bool lastPlaceholder = denominatorIndex == section.m_denominatorDigits;
                if (place < denominatorLength) {
                    out.push_back(denominatorDigits[place]);
                    if (lastPlaceholder)
                        out.append(denominatorDigits + place + 1,
                                   static_cast<std::size_t>(denominatorLength - place - 1));
                } else if (token.m_char == '0') {
                    out.push_back('0');
                } else if (token.m_char == '?') {
                    out.push_back(' ');
                }
            }
            break;
        case TokenKind::Slash:
            out.push_back(blankFraction ? ' ' : '/');
            break;
        case TokenKind::FixedDenominator:
            if (blankFraction)
                out.append(token.m_text.size(), ' ');
            else
                out += token.m_text;
            break;
        default:
            AppendPlainToken(target, token);
            break;
        }
    }
}

} // namespace vantor::numfmt
