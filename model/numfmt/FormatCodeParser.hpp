#pragma once

#include "model/numfmt/FormatError.hpp"
#include "model/numfmt/FormatSection.hpp"

#include <string_view>
#include <vector>

namespace vantor::numfmt {

// Turns a format code into its compiled sections, or refuses it with a description and the
// character position of the fault. Work is bounded by the code length limit, which is checked
// first, so absurd input is refused in constant time.
class FormatCodeParser {
public:
    static constexpr int MaxCodeLength = 255; // characters, as spreadsheets allow
    static constexpr int MaxSections = 4;

    bool Parse(std::string_view code, std::vector<FormatSection>& sections);
    const FormatError& Error() const { return m_error; }

private:
    bool Fail(std::string_view what, int position, std::string_view detail = {});
    // The number of characters from a byte offset to the end of the code.
    int CharsFrom(std::size_t offset) const;
    int CharLengthAt(std::size_t offset) const;
    void Advance();
    std::string_view CurrentChar() const;
    bool AtEnd() const { return m_offset >= m_code.size(); }

    bool ReadToken(FormatSection& section);
    bool ReadQuoted(FormatSection& section);
    bool ReadBracket(FormatSection& section);
    bool ReadCondition(FormatSection& section, std::string_view content, int position);
    bool ReadColor(FormatSection& section, std::string_view content, int position);
    bool ReadLetters(FormatSection& section);

    bool FinishSection(FormatSection& section);
    bool FinishTextSection(FormatSection& section);
    bool FinishDateSection(FormatSection& section);
    bool FinishNumberSection(FormatSection& section);
    bool FinishFractionSection(FormatSection& section, std::size_t slashIndex);
    bool CheckSectionOrder(const std::vector<FormatSection>& sections,
                           const std::vector<int>& starts);

    std::string_view m_code;
    std::size_t m_offset = 0;
    int m_position = 1;
    FormatError m_error;
};

} // namespace vantor::numfmt
