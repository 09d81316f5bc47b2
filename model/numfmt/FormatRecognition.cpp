#include "model/numfmt/FormatRecognition.hpp"

#include "model/numfmt/FormatCode.hpp"

#include <string_view>

namespace vantor::numfmt {
namespace {

// Signs recognised as a currency symbol when written plainly before or after the digits.
constexpr std::string_view CurrencySigns[] = {"$", "€", "¥", "£", "¢", "₩", "₹", "₽",
                                              "₪", "₺", "₫", "₱", "₴", "₦", "฿"};

std::string_view TrimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

bool IsAffix(const FormatToken& token) {
    return token.m_kind == TokenKind::Literal || token.m_kind == TokenKind::CurrencyTag;
}

// Reads the literals and [$sym-locale] tags next to the digits, from index on. They must
// amount to one currency symbol, with spaces around it at most. Returns false for any other
// text; symbol stays empty when there are no such tokens.
bool ReadCurrencyAffix(const std::vector<FormatToken>& tokens, std::size_t& index, std::size_t end,
                       std::string& symbol) {
    std::string plain;
    std::string tagged;
    int tags = 0;
    for (; index < end && IsAffix(tokens[index]); ++index) {
        if (tokens[index].m_kind == TokenKind::CurrencyTag) {
            // A locale tag without a symbol ([$-409]) shows nothing and says nothing.
            if (TrimSpaces(tokens[index].m_text).empty())
                continue;
            tagged = tokens[index].m_text;
            ++tags;
        } else {
            plain += tokens[index].m_text;
        }
    }
    const std::string_view rest = TrimSpaces(plain);
    if (tags > 1 || (tags == 1 && !rest.empty()))
        return false;
    if (tags == 1) {
        symbol = std::string(TrimSpaces(tagged));
        return !symbol.empty();
    }
    if (rest.empty())
        return plain.empty(); // spaces alone are no currency
    for (const std::string_view sign : CurrencySigns) {
        if (rest == sign) {
            symbol = std::string(rest);
            return true;
        }
    }
    return false;
}

// Matches [symbol] ("#,##0" | "0") ["." zeros] [E+/- zeros] [%] [symbol]: the shapes the
// page's builders produce. Returns false for anything else.
bool MatchBuiltPattern(const FormatSection& section, bool ignoreTrailingSkips, FormatInfo& info) {
    if (section.m_kind != SectionKind::Number || section.m_scalingCommas > 0 ||
        section.m_percentCount > 1 || section.m_conditionOp != CompareOp::None)
        return false;
    const std::vector<FormatToken>& tokens = section.m_tokens;
    std::size_t end = tokens.size();
    while (ignoreTrailingSkips && end > 0 && tokens[end - 1].m_kind == TokenKind::Skip)
        --end;
    std::size_t i = 0;
    std::string symbol;
    if (!ReadCurrencyAffix(tokens, i, end, symbol))
        return false;
    const bool prefixed = !symbol.empty();
    std::string integer;
    for (;
         i < end && tokens[i].m_kind == TokenKind::Digit && tokens[i].m_part == NumberPart::Integer;
         ++i)
        integer.push_back(tokens[i].m_char);
    const bool grouped = integer == "###0" && section.m_thousands;
    if (!grouped && !(integer == "0" && !section.m_thousands))
        return false;
    int decimals = 0;
    if (i < end && tokens[i].m_kind == TokenKind::DecimalPoint) {
        for (++i; i < end && tokens[i].m_kind == TokenKind::Digit && tokens[i].m_char == '0' &&
                  tokens[i].m_part == NumberPart::Decimal;
             ++i)
            ++decimals;
        if (decimals == 0)
            return false;
    }
    bool exponent = false;
    bool exponentSign = false;
    if (i < end && tokens[i].m_kind == TokenKind::Exponent) {
        exponent = true;
        exponentSign = tokens[i].m_flag;
        int digits = 0;
        for (++i; i < end && tokens[i].m_kind == TokenKind::Digit && tokens[i].m_char == '0'; ++i)
            ++digits;
        if (digits == 0)
            return false;
    }
    bool percent = false;
    if (i < end && tokens[i].m_kind == TokenKind::Percent) {
        percent = true;
        ++i;
    }
    if (!prefixed && !ReadCurrencyAffix(tokens, i, end, symbol))
        return false;
    if (i != end)
        return false;
    const bool hasAffix = !symbol.empty();

    info.m_fixedDecimalPlaces = decimals;
    if (percent) {
        if (exponent || hasAffix)
            return false;
        info.m_category = enums::FormatCategory::Percent;
    } else if (exponent) {
        if (hasAffix || grouped)
            return false;
        info.m_category = enums::FormatCategory::Scientific;
        info.m_exponentSign = exponentSign;
    } else if (hasAffix) {
        info.m_category = enums::FormatCategory::Currency;
        info.m_currencySymbol = symbol;
        info.m_useComma = grouped;
    } else {
        info.m_category = enums::FormatCategory::Number;
        info.m_useComma = grouped;
    }
    return true;
}

bool IsPlainGeneral(const FormatSection& section) {
    return section.m_kind == SectionKind::General && section.m_tokens.size() == 1 &&
           section.m_conditionOp == CompareOp::None;
}

} // namespace

FormatInfo Recognize(const FormatCode& code) {
    FormatInfo info;
    const std::vector<FormatSection>& sections = code.NumberSections();
    const FormatSection* text = code.TextSection();
    if (sections.empty()) {
        if (text != nullptr && text->m_tokens.size() == 1 &&
            text->m_tokens.front().m_kind == TokenKind::TextValue)
            info.m_category = enums::FormatCategory::Text;
        return info;
    }
    const FormatSection& first = sections.front();
    const bool single = sections.size() == 1 && text == nullptr;
    if (single && IsPlainGeneral(first)) {
        info.m_category = enums::FormatCategory::General;
        return info;
    }
    FormatInfo built;
    if (MatchBuiltPattern(first, !single, built)) {
        const bool numberLike = built.m_category == enums::FormatCategory::Number ||
                                built.m_category == enums::FormatCategory::Currency;
        if (single || numberLike)
            return built;
        return info;
    }
    if (first.m_kind == SectionKind::Date)
        info.m_category =
            first.m_hasDateParts ? enums::FormatCategory::Date : enums::FormatCategory::Time;
    else if (first.m_kind == SectionKind::Fraction)
        info.m_category = enums::FormatCategory::NumericList;
    return info;
}

} // namespace vantor::numfmt
