#include "model/numfmt/FormatCode.hpp"

#include "model/numfmt/DateRendering.hpp"
#include "model/numfmt/FormatCodeParser.hpp"
#include "model/numfmt/GeneralFormat.hpp"
#include "model/numfmt/NumberRendering.hpp"

#include <cmath>

namespace vantor::numfmt {
namespace {

bool Matches(CompareOp op, double limit, double value) {
    switch (op) {
    case CompareOp::Less:
        return value < limit;
    case CompareOp::LessEqual:
        return value <= limit;
    case CompareOp::Greater:
        return value > limit;
    case CompareOp::GreaterEqual:
        return value >= limit;
    case CompareOp::Equal:
        return value == limit;
    case CompareOp::NotEqual:
        return value != limit;
    case CompareOp::None:
        break;
    }
    return true;
}

// A section that only ever receives negative values shows them without a sign: the code
// writes its own (parentheses, a literal minus, a colour).
bool OnlyNegative(CompareOp op, double limit) {
    switch (op) {
    case CompareOp::Less:
        return limit <= 0.0;
    case CompareOp::LessEqual:
    case CompareOp::Equal:
        return limit < 0.0;
    default:
        return false;
    }
}

std::size_t CountCharacters(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    }
    return count;
}

FormatSection MakeGeneralSection() {
    FormatSection section;
    section.m_kind = SectionKind::General;
    FormatToken token;
    token.m_kind = TokenKind::General;
    token.m_position = 1;
    section.m_tokens.push_back(token);
    return section;
}

} // namespace

CompileResult FormatCode::Compile(std::string_view code) {
    FormatCodeParser parser;
    std::vector<FormatSection> sections;
    if (!parser.Parse(code, sections))
        return CompileResult(parser.Error());
    return CompileResult(
        std::make_shared<const FormatCode>(std::string(code), std::move(sections)));
}

FormatCode::FormatCode(std::string code, std::vector<FormatSection> sections)
    : m_code(std::move(code)) {
    if (m_code.empty() || sections.empty()) {
        m_numberSections.push_back(MakeGeneralSection());
        return;
    }
    // The fourth section, or a last one with @, is for text; the others are for numbers.
    if (sections.size() == 4 || sections.back().m_kind == SectionKind::Text) {
        m_textSection = std::move(sections.back());
        m_hasTextSection = true;
        sections.pop_back();
    }
    m_numberSections = std::move(sections);
}

std::string FormatCode::Format(const FormatValue& value, int width) const {
    std::string out;
    AppendFormatted(out, value, width);
    return out;
}

void FormatCode::AppendFormatted(std::string& out, const FormatValue& value, int width) const {
    const std::size_t start = out.size();
    RenderTarget target{out, RenderTarget::NoFill, {}};
    switch (value.GetKind()) {
    case FormatValue::Kind::Empty:
        return;
    case FormatValue::Kind::Boolean:
        out += value.GetBoolean() ? "TRUE" : "FALSE";
        return;
    case FormatValue::Kind::Error:
        out += value.GetText();
        return;
    case FormatValue::Kind::Text:
        AppendText(target, value.GetText());
        break;
    case FormatValue::Kind::Number:
    case FormatValue::Kind::Date:
        AppendNumber(target, value.GetNumber(), width);
        break;
    }
    if (width <= 0 || target.m_fillOffset == RenderTarget::NoFill || target.m_fillText.empty())
        return;
    const std::size_t shown = CountCharacters(std::string_view(out).substr(start));
    if (shown >= static_cast<std::size_t>(width))
        return;
    const std::size_t missing = static_cast<std::size_t>(width) - shown;
    if (target.m_fillText.size() == 1) {
        out.insert(target.m_fillOffset, missing, target.m_fillText.front());
        return;
    }
    std::string fill;
    for (std::size_t i = 0; i < missing; ++i)
        fill += target.m_fillText;
    out.insert(target.m_fillOffset, fill);
}

int FormatCode::Color(const FormatValue& value) const {
    if (value.GetKind() == FormatValue::Kind::Text)
        return m_hasTextSection ? m_textSection.m_color : 0;
    if (!value.IsNumeric() || m_numberSections.empty())
        return 0;
    bool showSign = false;
    const FormatSection* section = ChooseSection(value.GetNumber(), showSign);
    return section != nullptr ? section->m_color : 0;
}

const FormatSection* FormatCode::ChooseSection(double value, bool& showSign) const {
    const std::vector<FormatSection>& sections = m_numberSections;
    const bool negative = value < 0.0;
    const FormatSection& first = sections[0];
    const bool firstExplicit = first.m_conditionOp != CompareOp::None;
    showSign = negative;
    if (sections.size() == 1) {
        if (!firstExplicit)
            return &first;
        if (!Matches(first.m_conditionOp, first.m_conditionValue, value))
            return nullptr;
        showSign = negative && !OnlyNegative(first.m_conditionOp, first.m_conditionValue);
        return &first;
    }
    // Without conditions: positive (and zero when there is no zero section), negative, zero.
    const CompareOp firstOp = firstExplicit          ? first.m_conditionOp
                              : sections.size() == 2 ? CompareOp::GreaterEqual
                                                     : CompareOp::Greater;
    const double firstLimit = firstExplicit ? first.m_conditionValue : 0.0;
    if (Matches(firstOp, firstLimit, value)) {
        showSign = negative && !OnlyNegative(firstOp, firstLimit);
        return &first;
    }
    const FormatSection& second = sections[1];
    const bool secondExplicit = second.m_conditionOp != CompareOp::None;
    if (sections.size() == 2 && firstExplicit && !secondExplicit)
        return &second; // everything the first condition leaves
    const CompareOp secondOp = secondExplicit ? second.m_conditionOp : CompareOp::Less;
    const double secondLimit = secondExplicit ? second.m_conditionValue : 0.0;
    if (Matches(secondOp, secondLimit, value)) {
        showSign = negative && !OnlyNegative(secondOp, secondLimit);
        return &second;
    }
    if (sections.size() >= 3)
        return &sections[2];
    return nullptr;
}

void FormatCode::AppendNumber(RenderTarget& target, double value, int width) const {
    std::string& out = target.m_out;
    const std::size_t start = out.size();
    const auto showHashes = [&] {
        out.resize(start);
        out.append(static_cast<std::size_t>(width > 0 ? width : HashCount), '#');
        target.m_fillOffset = RenderTarget::NoFill;
    };
    if (!std::isfinite(value)) {
        showHashes();
        return;
    }
    if (m_numberSections.empty()) {
        AppendGeneral(out, value);
        return;
    }
    bool showSign = false;
    const FormatSection* section = ChooseSection(value, showSign);
    if (section == nullptr) {
        showHashes();
        return;
    }
    const double absValue = std::fabs(value);
    switch (section->m_kind) {
    case SectionKind::Empty:
        return;
    case SectionKind::General:
        for (const FormatToken& token : section->m_tokens) {
            if (token.m_kind == TokenKind::General)
                AppendGeneral(out, showSign ? -absValue : absValue);
            else
                AppendPlainToken(target, token);
        }
        return;
    case SectionKind::Date:
        if (value < 0.0 || !AppendDateSection(target, *section, absValue))
            showHashes();
        return;
    case SectionKind::Number:
    case SectionKind::Fraction:
    case SectionKind::Literal:
    case SectionKind::Text:
        break;
    }
    if (showSign)
        out.push_back('-');
    if (section->m_kind == SectionKind::Number)
        AppendNumberSection(target, *section, absValue);
    else if (section->m_kind == SectionKind::Fraction)
        AppendFractionSection(target, *section, absValue);
    else
        for (const FormatToken& token : section->m_tokens)
            AppendPlainToken(target, token);
}

void FormatCode::AppendText(RenderTarget& target, std::string_view text) const {
    if (!m_hasTextSection) {
        target.m_out += text;
        return;
    }
    for (const FormatToken& token : m_textSection.m_tokens) {
        if (token.m_kind == TokenKind::TextValue)
            target.m_out += text;
        else
            AppendPlainToken(target, token);
    }
}

} // namespace vantor::numfmt
