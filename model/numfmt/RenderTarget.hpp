#pragma once

#include "model/numfmt/FormatToken.hpp"

#include <string>
#include <string_view>

namespace vantor::numfmt {

// The text being rendered, and where a *x fill goes once the whole text is known.
struct RenderTarget {
    static constexpr std::size_t NoFill = std::string::npos;

    std::string& m_out;
    std::size_t m_fillOffset = NoFill;
    std::string_view m_fillText;
};

// Tokens every kind of section shows the same way; returns false for any other token.
inline bool AppendPlainToken(RenderTarget& target, const FormatToken& token) {
    switch (token.m_kind) {
    case TokenKind::Literal:
    case TokenKind::CurrencyTag:
        target.m_out += token.m_text;
        return true;
    case TokenKind::Skip:
        target.m_out.push_back(' ');
        return true;
    case TokenKind::Fill:
        target.m_fillOffset = target.m_out.size();
        target.m_fillText = token.m_text;
        return true;
    case TokenKind::Percent:
        target.m_out.push_back('%');
        return true;
    default:
        return false;
    }
}

// Appends a non-negative integer with at least minDigits digits, zero-padded.
inline void AppendInteger(std::string& out, long long value, int minDigits) {
    char buffer[24];
    int length = 0;
    do {
        buffer[length++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0 && length < 20);
    while (length < minDigits && length < 20)
        buffer[length++] = '0';
    while (length > 0)
        out.push_back(buffer[--length]);
}

} // namespace vantor::numfmt
