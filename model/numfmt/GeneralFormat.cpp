#include "model/numfmt/GeneralFormat.hpp"

#include "model/numfmt/DecimalNumber.hpp"

#include <cmath>

namespace vantor::numfmt {
namespace {

// Below this power of ten General switches to scientific (0.0001 stays, 0.00001 is 1E-05).
constexpr int SmallestFixedExponent = -4;

void AppendDigits(std::string& out, const DecimalNumber& number, int from, int to) {
    for (int i = from; i < to; ++i)
        out.push_back(number.Digit(i));
}

// Mantissa decimals that fit beside "d." and "E+xx" (or "E+xxx").
int ScientificDecimals(int available, int exponent) {
    const int exponentLength = std::abs(exponent) >= 100 ? 3 : 2;
    const int decimals = available - (2 + exponentLength) - 2;
    return decimals > 0 ? decimals : 0;
}

void AppendScientific(std::string& out, double absValue, int available) {
    DecimalNumber number = DecimalNumber::FromDouble(absValue, 0);
    int exponent = number.PointPosition() - 1;
    for (int attempt = 0; attempt < 2; ++attempt) {
        DecimalNumber mantissa = number;
        mantissa.Shift(-exponent);
        mantissa.RoundToDecimals(ScientificDecimals(available, exponent));
        if (mantissa.PointPosition() > 1) { // 9.99999 rounded up to 10
            ++exponent;
            continue;
        }
        out.push_back(mantissa.Digit(0));
        if (mantissa.DigitCount() > 1) {
            out.push_back('.');
            AppendDigits(out, mantissa, 1, mantissa.DigitCount());
        }
        out.push_back('E');
        out.push_back(exponent < 0 ? '-' : '+');
        const int magnitude = std::abs(exponent);
        if (magnitude >= 100)
            out.push_back(static_cast<char>('0' + magnitude / 100));
        out.push_back(static_cast<char>('0' + magnitude / 10 % 10));
        out.push_back(static_cast<char>('0' + magnitude % 10));
        return;
    }
}

} // namespace

void AppendGeneral(std::string& out, double value) {
    if (value == 0.0 || !std::isfinite(value)) {
        out.push_back('0');
        return;
    }
    const bool negative = value < 0.0;
    const double absValue = negative ? -value : value;
    const int available = GeneralWidth - (negative ? 1 : 0);
    if (negative)
        out.push_back('-');

    DecimalNumber number = DecimalNumber::FromDouble(absValue, 0);
    int exponent = number.PointPosition() - 1;
    if (exponent == SmallestFixedExponent - 1) {
        // 9.999999E-05 would round to 1E-04, which shows as 0.0001.
        DecimalNumber mantissa = number;
        mantissa.Shift(-exponent);
        mantissa.RoundToDecimals(ScientificDecimals(available, exponent));
        if (mantissa.PointPosition() > 1)
            exponent = SmallestFixedExponent;
    }
    if (exponent < SmallestFixedExponent || exponent >= available) {
        AppendScientific(out, absValue, available);
        return;
    }
    if (exponent >= 0) {
        const int decimals = available - number.PointPosition() - 1;
        number.RoundToDecimals(decimals > 0 ? decimals : 0);
        if (number.PointPosition() > available) { // rounded up to one digit too many
            AppendScientific(out, absValue, available);
            return;
        }
        AppendDigits(out, number, 0, number.PointPosition());
    } else {
        number.RoundToDecimals(available - 2); // "0."
        if (number.PointPosition() >= 1) {     // 0.9999999999 rounded up to 1
            AppendDigits(out, number, 0, number.PointPosition());
        } else {
            out.push_back('0');
        }
    }
    if (number.DigitCount() > number.PointPosition()) {
        out.push_back('.');
        for (int place = 0; number.PointPosition() + place < number.DigitCount(); ++place)
            out.push_back(number.FractionDigit(place));
    }
}

} // namespace vantor::numfmt
