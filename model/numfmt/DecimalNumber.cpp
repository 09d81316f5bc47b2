#include "model/numfmt/DecimalNumber.hpp"

#include <charconv>

namespace vantor::numfmt {

DecimalNumber DecimalNumber::FromDouble(double absValue, int scalePower) {
    DecimalNumber result;
    if (!(absValue > 0.0))
        return result;
    // Scientific with 14 decimals gives exactly 15 significant digits: "d.ddddddddddddddde+XX".
    char buffer[40];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, absValue, std::chars_format::scientific, 14);
    if (ec != std::errc())
        return result;
    int count = 0;
    const char* cursor = buffer;
    for (; cursor < end && *cursor != 'e'; ++cursor) {
        if (*cursor >= '0' && *cursor <= '9')
            result.m_digits[count++] = *cursor;
    }
    int exponent = 0;
    bool negativeExponent = false;
    if (cursor < end) {
        ++cursor; // 'e'
        if (*cursor == '-')
            negativeExponent = true;
        ++cursor; // sign
        for (; cursor < end; ++cursor)
            exponent = exponent * 10 + (*cursor - '0');
    }
    while (count > 0 && result.m_digits[count - 1] == '0')
        --count;
    result.m_count = count;
    result.m_point = (negativeExponent ? -exponent : exponent) + 1 + scalePower;
    return result;
}

void DecimalNumber::RoundToDecimals(int decimals) {
    if (m_count == 0)
        return;
    const int keep = m_point + decimals; // significant digits that stay
    if (keep >= m_count)
        return;
    if (keep < 0) {
        m_count = 0;
        m_point = 0;
        return;
    }
    const bool roundUp = m_digits[keep] >= '5';
    m_count = keep;
    if (roundUp) {
        int index = keep - 1;
        while (index >= 0 && m_digits[index] == '9') {
            m_digits[index] = '0';
            --index;
        }
        if (index >= 0) {
            ++m_digits[index];
        } else {
            // 999.5 -> 1000: one more digit before the point, all others are zeros.
            m_digits[0] = '1';
            m_count = 1;
            ++m_point;
        }
    }
    while (m_count > 0 && m_digits[m_count - 1] == '0')
        --m_count;
    if (m_count == 0)
        m_point = 0;
}

} // namespace vantor::numfmt
