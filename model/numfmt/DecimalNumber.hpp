#pragma once
#include "vantor/Export.h"

namespace vantor::numfmt {

// A non-negative value as decimal digits, kept to the 15 significant digits spreadsheets hold,
// so that rounding for display works on the decimal value shown and not on binary artefacts
// (2.675 is 2.67499999999999982236431605997495353221893310546875 in binary but shows 2.68).
class VANTOR_API DecimalNumber {
public:
    // absValue >= 0 and finite; the value is multiplied by 10^scalePower exactly.
    static DecimalNumber FromDouble(double absValue, int scalePower);

    // Rounds half away from zero to the given number of digits after the point (may be negative
    // to round to tens, hundreds, ...).
    void RoundToDecimals(int decimals);

    bool IsZero() const { return m_count == 0; }
    // Number of digits before the decimal point; <= 0 for values below 1.
    int PointPosition() const { return m_point; }
    // Number of digits before the point when written out: 0 for values below 1.
    int IntegerLength() const { return m_count == 0 || m_point < 0 ? 0 : m_point; }
    int DigitCount() const { return m_count; }
    // The i-th significant digit, '0' beyond the stored ones.
    char Digit(int index) const { return index >= 0 && index < m_count ? m_digits[index] : '0'; }
    // The digit at the j-th place after the point (j >= 0).
    char FractionDigit(int place) const { return Digit(m_point + place); }
    // Moves the decimal point: the value is multiplied by 10^power.
    void Shift(int power) {
        if (m_count > 0)
            m_point += power;
    }

private:
    char m_digits[17] = {};
    int m_count = 0;
    int m_point = 0;
};

} // namespace vantor::numfmt
