#include "model/numfmt/FormatCodeParser.hpp"

#include <charconv>
#include <cmath>
#include <cstring>

namespace vantor::numfmt {
namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view text, std::size_t offset, std::string_view prefix) {
    if (text.size() - offset < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Lower(text[offset + i]) != prefix[i])
            return false;
    }
    return true;
}

bool IsDateKind(TokenKind kind) {
    return kind >= TokenKind::MonthOrMinute;
}

bool IsHourKind(TokenKind kind) {
    return kind == TokenKind::Hour || kind == TokenKind::Hour2 || kind == TokenKind::ElapsedHours;
}

bool IsSecondKind(TokenKind kind) {
    return kind == TokenKind::Second || kind == TokenKind::Second2 ||
           kind == TokenKind::ElapsedSeconds;
}

// ASCII characters that are shown as they stand, without quotes.
bool IsPlainLiteral(char c) {
    return std::strchr("$-+()!^&'~{}<>=: 123456789", c) != nullptr && c != '\0';
}

std::string Join(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts)
        text.append(part.data(), part.size());
    return text;
}

std::string Quote(std::string_view text) {
    return Join({"'", text, "'"});
}

FormatToken MakeToken(TokenKind kind, int position) {
    FormatToken token;
    token.m_kind = kind;
    token.m_position = position;
    return token;
}

// The tokens that only mean something in a number section, written out as plain text.
void MakeLiteral(FormatToken& token) {
    switch (token.m_kind) {
    case TokenKind::DecimalPoint:
        token.m_text = std::string(1, '.');
        break;
    case TokenKind::Comma:
        token.m_text = std::string(1, ',');
        break;
    case TokenKind::Percent:
        token.m_text = std::string(1, '%');
        break;
    case TokenKind::Slash:
        token.m_text = std::string(1, '/');
        break;
    case TokenKind::FixedDenominator:
        break; // m_text already holds the digits
    default:
        return;
    }
    token.m_kind = TokenKind::Literal;
}

// Joins neighbouring literals and drops empty ones, so rendering appends each run at once.
void MergeLiterals(std::vector<FormatToken>& tokens) {
    std::vector<FormatToken> merged;
    merged.reserve(tokens.size());
    for (FormatToken& token : tokens) {
        if (token.m_kind == TokenKind::Literal) {
            if (token.m_text.empty())
                continue;
            if (!merged.empty() && merged.back().m_kind == TokenKind::Literal) {
                merged.back().m_text += token.m_text;
                continue;
            }
        }
        merged.push_back(std::move(token));
    }
    tokens = std::move(merged);
}

struct NamedColor {
    std::string_view m_name;
    int m_index;
};

constexpr NamedColor NamedColors[] = {{"black", 1}, {"white", 2},  {"red", 3},     {"green", 4},
                                      {"blue", 5},  {"yellow", 6}, {"magenta", 7}, {"cyan", 8}};

constexpr int MaxColorIndex = 56;
constexpr int MaxSubSecondDigits = 3;
constexpr int MaxDenominatorDigits = 9;

} // namespace

bool FormatCodeParser::Fail(std::string_view what, int position, std::string_view detail) {
    m_error =
        FormatError(Join({what, " at position ", std::to_string(position), detail}), position);
    return false;
}

int FormatCodeParser::CharLengthAt(std::size_t offset) const {
    const auto lead = static_cast<unsigned char>(m_code[offset]);
    int length = 1;
    if (lead >= 0xF0 && lead < 0xF8)
        length = 4;
    else if (lead >= 0xE0)
        length = lead < 0xF0 ? 3 : 1;
    else if (lead >= 0xC0)
        length = 2;
    const std::size_t rest = m_code.size() - offset;
    return static_cast<std::size_t>(length) <= rest ? length : static_cast<int>(rest);
}

int FormatCodeParser::CharsFrom(std::size_t offset) const {
    int count = 0;
    for (std::size_t i = offset; i < m_code.size(); ++i)
        count += (static_cast<unsigned char>(m_code[i]) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

void FormatCodeParser::Advance() {
    m_offset += static_cast<std::size_t>(CharLengthAt(m_offset));
    ++m_position;
}

std::string_view FormatCodeParser::CurrentChar() const {
    return m_code.substr(m_offset, static_cast<std::size_t>(CharLengthAt(m_offset)));
}

bool FormatCodeParser::Parse(std::string_view code, std::vector<FormatSection>& sections) {
    m_code = code;
    m_offset = 0;
    m_position = 1;
    m_error = FormatError();
    sections.clear();

    // The length is checked before anything else so that work stays bounded.
    {
        std::size_t offset = 0;
        int characters = 0;
        while (offset < code.size()) {
            // A NUL would otherwise be read as a date letter.
            if (code[offset] == '\0') {
                return Fail("NUL character", characters + 1);
            }
            offset += static_cast<std::size_t>(CharLengthAt(offset));
            if (++characters > MaxCodeLength) {
                return Fail(Join({"Format code is longer than ", std::to_string(MaxCodeLength),
                                  " characters"}),
                            MaxCodeLength + 1);
            }
        }
    }

    std::vector<int> starts{1};
    FormatSection current;
    while (!AtEnd()) {
        if (m_code[m_offset] == ';') {
            if (sections.size() + 1 >= static_cast<std::size_t>(MaxSections))
                return Fail("More than four sections", m_position);
            if (!FinishSection(current))
                return false;
            sections.push_back(std::move(current));
            current = FormatSection();
            Advance();
            starts.push_back(m_position);
            continue;
        }
        if (!ReadToken(current))
            return false;
    }
    if (!FinishSection(current))
        return false;
    sections.push_back(std::move(current));
    return CheckSectionOrder(sections, starts);
}

bool FormatCodeParser::ReadToken(FormatSection& section) {
    const char c = m_code[m_offset];
    const int position = m_position;
    std::vector<FormatToken>& tokens = section.m_tokens;
    switch (c) {
    case '"':
    case '[':
        // A bad quote or bracket is wrong as a whole: the error spans it, or
        // the rest of the code when it is not closed.
        if (c == '"' ? ReadQuoted(section) : ReadBracket(section))
            return true;
        m_error = FormatError(m_error.Description(), position,
                              m_position > position ? m_position - position : CharsFrom(m_offset));
        return false;
    case ']':
        return Fail("Unbalanced bracket ']'", position);
    case '\\':
    case '_':
    case '*': {
        Advance();
        if (AtEnd()) {
            const char* what = c == '\\'  ? "Trailing '\\'"
                               : c == '_' ? "Trailing '_'"
                                          : "Trailing '*'";
            return Fail(Join({what, " with no character after it"}), position);
        }
        FormatToken token = MakeToken(c == '\\'  ? TokenKind::Literal
                                      : c == '_' ? TokenKind::Skip
                                                 : TokenKind::Fill,
                                      position);
        token.m_text = std::string(CurrentChar());
        Advance();
        if (token.m_kind == TokenKind::Fill) {
            if (section.m_hasFill)
                return Fail("More than one '*' fill in a section", position);
            section.m_hasFill = true;
        }
        tokens.push_back(std::move(token));
        return true;
    }
    case '0':
    case '#':
    case '?':
    case '.':
    case ',':
    case '%':
    case '@': {
        // One character, one token; placeholders keep their character.
        const TokenKind kind = c == '.'   ? TokenKind::DecimalPoint
                               : c == ',' ? TokenKind::Comma
                               : c == '%' ? TokenKind::Percent
                               : c == '@' ? TokenKind::TextValue
                                          : TokenKind::Digit;
        FormatToken token = MakeToken(kind, position);
        token.m_char = c;
        tokens.push_back(std::move(token));
        Advance();
        return true;
    }
    case '/': {
        tokens.push_back(MakeToken(TokenKind::Slash, position));
        Advance();
        // Digits right after a bar are a fixed denominator (?/8, # ??/100).
        if (!AtEnd() && m_code[m_offset] >= '1' && m_code[m_offset] <= '9') {
            FormatToken token = MakeToken(TokenKind::FixedDenominator, m_position);
            while (!AtEnd() && m_code[m_offset] >= '0' && m_code[m_offset] <= '9') {
                if (token.m_text.size() == MaxDenominatorDigits)
                    return Fail("Denominator has too many digits", m_position);
                token.m_text.push_back(m_code[m_offset]);
                token.m_count = token.m_count * 10 + (m_code[m_offset] - '0');
                Advance();
            }
            tokens.push_back(std::move(token));
        }
        return true;
    }
    case 'E':
    case 'e': {
        if (m_offset + 1 < m_code.size() &&
            (m_code[m_offset + 1] == '+' || m_code[m_offset + 1] == '-')) {
            FormatToken token = MakeToken(TokenKind::Exponent, position);
            token.m_char = c;
            token.m_flag = m_code[m_offset + 1] == '+';
            tokens.push_back(std::move(token));
            Advance();
            Advance();
            return true;
        }
        return Fail(
            Join({"Exponent '", std::string_view(&c, 1), "' must be followed by '+' or '-'"}),
            position);
    }
    default:
        break;
    }
    if (std::strchr("yYmMdDhHsSaAgG", c) != nullptr)
        return ReadLetters(section);
    if (static_cast<unsigned char>(c) >= 0x80 || IsPlainLiteral(c)) {
        FormatToken token = MakeToken(TokenKind::Literal, position);
        token.m_text = std::string(CurrentChar());
        tokens.push_back(std::move(token));
        Advance();
        return true;
    }
    return Fail(Join({"Unexpected character ", Quote(CurrentChar())}), position,
                " (quote literal text)");
}

bool FormatCodeParser::ReadQuoted(FormatSection& section) {
    const int position = m_position;
    const std::size_t close = m_code.find('"', m_offset + 1);
    if (close == std::string_view::npos)
        return Fail("Unbalanced quote starting", position);
    FormatToken token = MakeToken(TokenKind::Literal, position);
    token.m_text = std::string(m_code.substr(m_offset + 1, close - m_offset - 1));
    while (m_offset <= close)
        Advance();
    section.m_tokens.push_back(std::move(token));
    return true;
}

bool FormatCodeParser::ReadBracket(FormatSection& section) {
    const int position = m_position;
    const std::size_t close = m_code.find(']', m_offset + 1);
    if (close == std::string_view::npos)
        return Fail("Unbalanced bracket starting", position);
    const std::string_view content = m_code.substr(m_offset + 1, close - m_offset - 1);
    while (m_offset <= close)
        Advance();
    if (content.empty())
        return Fail("Empty brackets", position);

    const char first = content.front();
    if (first == '$') {
        // Currency and locale tag [$sym-locale]: the symbol is shown, the locale is not.
        const std::string_view tag = content.substr(1);
        FormatToken token = MakeToken(TokenKind::CurrencyTag, position);
        token.m_text = std::string(tag.substr(0, tag.find('-')));
        section.m_tokens.push_back(std::move(token));
        return true;
    }
    if (first == '<' || first == '>' || first == '=')
        return ReadCondition(section, content, position);

    const char letter = Lower(first);
    if (letter == 'h' || letter == 'm' || letter == 's') {
        bool same = true;
        for (const char c : content)
            same = same && Lower(c) == letter;
        if (same) {
            FormatToken token = MakeToken(letter == 'h'   ? TokenKind::ElapsedHours
                                          : letter == 'm' ? TokenKind::ElapsedMinutes
                                                          : TokenKind::ElapsedSeconds,
                                          position);
            token.m_count = static_cast<int>(content.size());
            section.m_tokens.push_back(std::move(token));
            return true;
        }
    }
    return ReadColor(section, content, position);
}

bool FormatCodeParser::ReadCondition(FormatSection& section, std::string_view content,
                                     int position) {
    const std::string description = Join({"Bad condition ", Quote(Join({"[", content, "]"}))});
    if (section.m_conditionOp != CompareOp::None)
        return Fail("Second condition in one section", position);
    struct Operator {
        std::string_view m_text;
        CompareOp m_op;
    };
    constexpr Operator Operators[] = {{"<=", CompareOp::LessEqual},    {"<>", CompareOp::NotEqual},
                                      {">=", CompareOp::GreaterEqual}, {"<", CompareOp::Less},
                                      {">", CompareOp::Greater},       {"=", CompareOp::Equal}};
    for (const Operator& candidate : Operators) {
        if (content.substr(0, candidate.m_text.size()) != candidate.m_text)
            continue;
        std::string_view number = content.substr(candidate.m_text.size());
        while (!number.empty() && number.front() == ' ')
            number.remove_prefix(1);
        while (!number.empty() && number.back() == ' ')
            number.remove_suffix(1);
        if (!number.empty() && number.front() == '+')
            number.remove_prefix(1);
        double value = 0.0;
        const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
        if (number.empty() || ec != std::errc() || end != number.data() + number.size() ||
            !std::isfinite(value))
            return Fail(description, position, ": the value is not a number");
        section.m_conditionOp = candidate.m_op;
        section.m_conditionValue = value;
        return true;
    }
    return Fail(description, position);
}

bool FormatCodeParser::ReadColor(FormatSection& section, std::string_view content, int position) {
    std::string lower;
    for (const char c : content)
        lower.push_back(Lower(c));
    for (const NamedColor& color : NamedColors) {
        if (lower == color.m_name) {
            section.m_color = color.m_index;
            return true;
        }
    }
    const std::string quoted = Quote(Join({"[", content, "]"}));
    if (lower.starts_with("color") && lower.size() > 5) {
        int index = 0;
        const char* begin = lower.data() + 5;
        const char* end = lower.data() + lower.size();
        const auto [stop, ec] = std::from_chars(begin, end, index);
        if (ec == std::errc() && stop == end && index >= 1 && index <= MaxColorIndex) {
            section.m_color = index;
            return true;
        }
        return Fail(Join({"Bad colour ", quoted}), position, ": the index must be 1 to 56");
    }
    bool letters = true;
    for (const char c : lower)
        letters = letters && c >= 'a' && c <= 'z';
    if (letters)
        return Fail(Join({"Unknown colour ", quoted}), position);
    return Fail(Join({"Unknown code in brackets ", quoted}), position);
}

bool FormatCodeParser::ReadLetters(FormatSection& section) {
    const int position = m_position;
    const char letter = Lower(m_code[m_offset]);
    std::vector<FormatToken>& tokens = section.m_tokens;
    if (letter == 'g') {
        if (!StartsWithNoCase(m_code, m_offset, "general"))
            return Fail(Join({"Unexpected character ", Quote(CurrentChar())}), position,
                        " (quote literal text)");
        for (int i = 0; i < 7; ++i)
            Advance();
        tokens.push_back(MakeToken(TokenKind::General, position));
        return true;
    }
    if (letter == 'a') {
        if (StartsWithNoCase(m_code, m_offset, "am/pm")) {
            for (int i = 0; i < 5; ++i)
                Advance();
            tokens.push_back(MakeToken(TokenKind::AmPm, position));
            return true;
        }
        if (StartsWithNoCase(m_code, m_offset, "a/p")) {
            FormatToken token = MakeToken(TokenKind::AP, position);
            token.m_text = {m_code[m_offset], m_code[m_offset + 2]};
            for (int i = 0; i < 3; ++i)
                Advance();
            tokens.push_back(std::move(token));
            return true;
        }
        return Fail(Join({"Unexpected character ", Quote(CurrentChar())}), position,
                    " (quote literal text)");
    }
    int count = 0;
    while (!AtEnd() && Lower(m_code[m_offset]) == letter) {
        ++count;
        Advance();
    }
    TokenKind kind = TokenKind::MonthOrMinute;
    switch (letter) {
    case 'y':
        kind = count <= 2 ? TokenKind::Year2 : TokenKind::Year4;
        break;
    case 'd':
        kind = count == 1   ? TokenKind::Day
               : count == 2 ? TokenKind::Day2
               : count == 3 ? TokenKind::DayAbbr
                            : TokenKind::DayName;
        break;
    case 'h':
        kind = count == 1 ? TokenKind::Hour : TokenKind::Hour2;
        break;
    case 's':
        kind = count == 1 ? TokenKind::Second : TokenKind::Second2;
        break;
    default:
        break;
    }
    FormatToken token = MakeToken(kind, position);
    token.m_count = count;
    tokens.push_back(std::move(token));
    return true;
}

bool FormatCodeParser::FinishSection(FormatSection& section) {
    bool hasText = false;
    bool hasGeneral = false;
    bool hasDate = false;
    bool hasDigits = false;
    for (const FormatToken& token : section.m_tokens) {
        hasText = hasText || token.m_kind == TokenKind::TextValue;
        hasGeneral = hasGeneral || token.m_kind == TokenKind::General;
        hasDate = hasDate || IsDateKind(token.m_kind);
        hasDigits = hasDigits || token.m_kind == TokenKind::Digit;
    }
    bool ok = true;
    if (hasText) {
        ok = FinishTextSection(section);
    } else if (hasDate) {
        ok = FinishDateSection(section);
    } else if (hasGeneral || !hasDigits) {
        for (FormatToken& token : section.m_tokens) {
            if (token.m_kind == TokenKind::Digit) // only reached with General
                return Fail("General mixed with digit placeholders", token.m_position);
            if (token.m_kind == TokenKind::Exponent) {
                return Fail("Exponent without digit placeholders", token.m_position);
            }
            MakeLiteral(token);
        }
        section.m_kind = hasGeneral                 ? SectionKind::General
                         : section.m_tokens.empty() ? SectionKind::Empty
                                                    : SectionKind::Literal;
    } else {
        ok = FinishNumberSection(section);
    }
    if (!ok)
        return false;
    MergeLiterals(section.m_tokens);
    if (section.m_kind == SectionKind::Literal && section.m_tokens.empty())
        section.m_kind = SectionKind::Empty;
    return true;
}

bool FormatCodeParser::FinishTextSection(FormatSection& section) {
    for (FormatToken& token : section.m_tokens) {
        if (token.m_kind == TokenKind::Digit || token.m_kind == TokenKind::General ||
            token.m_kind == TokenKind::Exponent || IsDateKind(token.m_kind)) {
            return Fail("Text placeholder '@' mixed with number or date codes", token.m_position);
        }
        MakeLiteral(token);
    }
    section.m_kind = SectionKind::Text;
    return true;
}

bool FormatCodeParser::FinishDateSection(FormatSection& section) {
    std::vector<FormatToken>& tokens = section.m_tokens;
    // m and mm mean minutes right after an hour or right before a second, months elsewhere.
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        FormatToken& token = tokens[i];
        if (token.m_kind != TokenKind::MonthOrMinute)
            continue;
        if (token.m_count >= 3) {
            token.m_kind = token.m_count == 3   ? TokenKind::MonthAbbr
                           : token.m_count == 5 ? TokenKind::MonthLetter
                                                : TokenKind::MonthName;
            continue;
        }
        bool minute = false;
        for (std::size_t back = i; back > 0; --back) {
            const TokenKind previous = tokens[back - 1].m_kind;
            if (IsDateKind(previous)) {
                minute = IsHourKind(previous);
                break;
            }
        }
        for (std::size_t ahead = i + 1; !minute && ahead < tokens.size(); ++ahead) {
            const TokenKind next = tokens[ahead].m_kind;
            if (IsDateKind(next)) {
                minute = IsSecondKind(next);
                break;
            }
        }
        if (minute)
            token.m_kind = token.m_count == 1 ? TokenKind::Minute : TokenKind::Minute2;
        else
            token.m_kind = token.m_count == 1 ? TokenKind::Month : TokenKind::Month2;
    }
    // Fractions of a second: a point right after the seconds, followed by zeros.
    for (std::size_t i = 1; i + 1 < tokens.size(); ++i) {
        if (tokens[i].m_kind != TokenKind::DecimalPoint || !IsSecondKind(tokens[i - 1].m_kind) ||
            tokens[i + 1].m_kind != TokenKind::Digit || tokens[i + 1].m_char != '0')
            continue;
        std::size_t end = i + 1;
        while (end < tokens.size() && tokens[end].m_kind == TokenKind::Digit &&
               tokens[end].m_char == '0') {
            ++end;
        }
        const int digits = static_cast<int>(end - i - 1);
        if (digits > MaxSubSecondDigits) {
            const int position = tokens[i + 1 + MaxSubSecondDigits].m_position;
            return Fail("At most three digits for fractions of a second", position);
        }
        FormatToken subSecond = MakeToken(TokenKind::SubSecond, tokens[i + 1].m_position);
        subSecond.m_count = digits;
        tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(i + 1),
                     tokens.begin() + static_cast<std::ptrdiff_t>(end));
        tokens.insert(tokens.begin() + static_cast<std::ptrdiff_t>(i + 1), std::move(subSecond));
        if (digits > section.m_subSecondDigits)
            section.m_subSecondDigits = digits;
    }
    for (FormatToken& token : tokens) {
        switch (token.m_kind) {
        case TokenKind::Digit:
        case TokenKind::Exponent:
        case TokenKind::General:
            return Fail("Date and time codes mixed with number codes", token.m_position);
        case TokenKind::Year2:
        case TokenKind::Year4:
        case TokenKind::Month:
        case TokenKind::Month2:
        case TokenKind::MonthAbbr:
        case TokenKind::MonthName:
        case TokenKind::MonthLetter:
        case TokenKind::Day:
        case TokenKind::Day2:
        case TokenKind::DayAbbr:
        case TokenKind::DayName:
            section.m_hasDateParts = true;
            break;
        case TokenKind::AmPm:
        case TokenKind::AP:
            section.m_hasAmPm = true;
            break;
        default:
            MakeLiteral(token);
            break;
        }
    }
    section.m_kind = SectionKind::Date;
    return true;
}

bool FormatCodeParser::FinishNumberSection(FormatSection& section) {
    std::vector<FormatToken>& tokens = section.m_tokens;
    bool seenDigit = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].m_kind == TokenKind::Digit)
            seenDigit = true;
        else if (tokens[i].m_kind == TokenKind::Slash && seenDigit)
            return FinishFractionSection(section, i);
    }

    NumberPart part = NumberPart::Integer;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        FormatToken& token = tokens[i];
        switch (token.m_kind) {
        case TokenKind::Digit:
            token.m_part = part;
            if (part == NumberPart::Integer) {
                ++section.m_integerDigits;
                section.m_integerHasHash = section.m_integerHasHash || token.m_char == '#';
            } else if (part == NumberPart::Decimal) {
                ++section.m_decimalDigits;
            } else {
                ++section.m_exponentDigits;
            }
            break;
        case TokenKind::DecimalPoint:
            if (part == NumberPart::Integer) {
                part = NumberPart::Decimal;
            } else {
                MakeLiteral(token);
            }
            break;
        case TokenKind::Exponent: {
            if (part == NumberPart::Exponent)
                return Fail("Second exponent", token.m_position);
            if (section.m_integerDigits + section.m_decimalDigits == 0)
                return Fail("Exponent without digit placeholders before it", token.m_position);
            bool digitsAfter = false;
            for (std::size_t j = i + 1; j < tokens.size(); ++j)
                digitsAfter = digitsAfter || tokens[j].m_kind == TokenKind::Digit;
            if (!digitsAfter)
                return Fail("Exponent without digit placeholders after it", token.m_position);
            part = NumberPart::Exponent;
            section.m_hasExponent = true;
            break;
        }
        case TokenKind::Percent:
            ++section.m_percentCount;
            break;
        default:
            break;
        }
    }

    // Commas: between integer placeholders a thousands separator; after the digits (before
    // the point or at the end) each one divides by 1000; anywhere else a plain comma.
    bool digitBefore = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        FormatToken& token = tokens[i];
        if (token.m_kind == TokenKind::Digit) {
            digitBefore = token.m_part != NumberPart::Exponent;
            continue;
        }
        if (token.m_kind == TokenKind::Exponent)
            digitBefore = false;
        if (token.m_kind != TokenKind::Comma)
            continue;
        std::size_t next = i + 1;
        while (next < tokens.size() && tokens[next].m_kind == TokenKind::Comma)
            ++next;
        const bool nextIsDigit = next < tokens.size() && tokens[next].m_kind == TokenKind::Digit;
        if (nextIsDigit && tokens[next].m_part == NumberPart::Integer && digitBefore) {
            section.m_thousands = true;
            token.m_kind = TokenKind::Literal; // dropped by MergeLiterals
        } else if (!nextIsDigit && digitBefore) {
            ++section.m_scalingCommas;
            token.m_kind = TokenKind::Literal;
        } else {
            MakeLiteral(token);
        }
    }
    // Percent stays a token of its own (it scales); bars and denominators are plain text here.
    for (FormatToken& token : tokens) {
        if (token.m_kind == TokenKind::Slash || token.m_kind == TokenKind::FixedDenominator)
            MakeLiteral(token);
    }
    section.m_scalePower = 2 * section.m_percentCount - 3 * section.m_scalingCommas;
    section.m_kind = SectionKind::Number;
    return true;
}

bool FormatCodeParser::FinishFractionSection(FormatSection& section, std::size_t slashIndex) {
    std::vector<FormatToken>& tokens = section.m_tokens;
    for (const FormatToken& token : tokens) {
        if (token.m_kind == TokenKind::Exponent)
            return Fail("A fraction cannot have an exponent", token.m_position);
        if (token.m_kind == TokenKind::DecimalPoint)
            return Fail("A fraction cannot have a decimal point", token.m_position);
    }
    // The numerator is the run of placeholders nearest before the bar; any before it are the
    // whole number.
    std::size_t index = slashIndex;
    while (index > 0 && tokens[index - 1].m_kind != TokenKind::Digit)
        --index;
    while (index > 0 && tokens[index - 1].m_kind == TokenKind::Digit) {
        tokens[index - 1].m_part = NumberPart::Numerator;
        ++section.m_numeratorDigits;
        --index;
    }
    for (std::size_t i = 0; i < index; ++i) {
        if (tokens[i].m_kind == TokenKind::Digit) {
            tokens[i].m_part = NumberPart::Whole;
            ++section.m_wholeDigits;
        }
    }
    std::size_t after = slashIndex + 1;
    while (after < tokens.size() && tokens[after].m_kind == TokenKind::Literal)
        ++after;
    std::size_t fixedIndex = tokens.size();
    if (after < tokens.size() && tokens[after].m_kind == TokenKind::FixedDenominator) {
        fixedIndex = after;
        section.m_fixedDenominator = tokens[after].m_count;
        section.m_denominatorDigits = static_cast<int>(tokens[after].m_text.size());
        ++after;
    } else if (after < tokens.size() && tokens[after].m_kind == TokenKind::Digit) {
        while (after < tokens.size() && tokens[after].m_kind == TokenKind::Digit) {
            tokens[after].m_part = NumberPart::Denominator;
            ++section.m_denominatorDigits;
            ++after;
        }
    } else {
        const int position = tokens[slashIndex].m_position;
        return Fail("Fraction without a denominator after '/'", position);
    }
    for (std::size_t i = after; i < tokens.size(); ++i) {
        if (tokens[i].m_kind == TokenKind::Digit)
            return Fail("Digit placeholder after the fraction", tokens[i].m_position);
    }
    // Thousands separators may group the whole number; other commas are plain text.
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        FormatToken& token = tokens[i];
        if (token.m_kind == TokenKind::Percent) {
            ++section.m_percentCount;
        } else if (token.m_kind == TokenKind::Comma && i > 0 && i + 1 < tokens.size() &&
                   tokens[i - 1].m_part == NumberPart::Whole &&
                   tokens[i + 1].m_part == NumberPart::Whole) {
            section.m_thousands = true;
            token.m_kind = TokenKind::Literal;
        } else if (i != slashIndex && i != fixedIndex) {
            MakeLiteral(token);
        }
    }
    section.m_scalePower = 2 * section.m_percentCount;
    section.m_kind = SectionKind::Fraction;
    return true;
}

bool FormatCodeParser::CheckSectionOrder(const std::vector<FormatSection>& sections,
                                         const std::vector<int>& starts) {
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const SectionKind kind = sections[i].m_kind;
        const bool last = i + 1 == sections.size();
        if (kind == SectionKind::Text && !last)
            return Fail("Text section with '@' must be the last section", starts[i]);
        if (i == 3 && kind != SectionKind::Text && kind != SectionKind::Literal &&
            kind != SectionKind::Empty)
            return Fail("Fourth section is for text: only '@' and literals", starts[i]);
    }
    return true;
}

} // namespace vantor::numfmt
