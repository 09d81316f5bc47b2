#pragma once
#include "vantor/Export.h"

#include "model/numfmt/CompileResult.hpp"
#include "model/numfmt/FormatSection.hpp"
#include "model/numfmt/FormatValue.hpp"
#include "model/numfmt/RenderTarget.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace vantor::numfmt {

// A number format code compiled once into sections, ready to render any number of values.
// Immutable after construction, so one instance may be shared freely.
class VANTOR_API FormatCode {
public:
    // How many '#' stand for a value the code cannot show (a negative date, a date after
    // 9999-12-31, a value no conditional section takes, infinity) when no width is given;
    // with a width the hashes fill it.
    static constexpr int HashCount = 11;

    // Compiles a code, or refuses it with a description and the 1-based character position of
    // the fault. Codes longer than 255 characters are refused before anything else is read.
    static CompileResult Compile(std::string_view code);

    FormatCode(std::string code, std::vector<FormatSection> sections);

    const std::string& Code() const { return m_code; }

    // The value as the code shows it. width is the cell width in characters for a *x fill;
    // 0 means no width, and the fill then adds nothing.
    std::string Format(const FormatValue& value, int width = 0) const;
    // The same, appended to out, so that a caller can reuse one buffer.
    void AppendFormatted(std::string& out, const FormatValue& value, int width = 0) const;

    // The palette index (1..56) of the colour the value is shown in, 0 for none.
    int Color(const FormatValue& value) const;

    // The sections numbers are shown with; empty when the code has only a text section.
    const std::vector<FormatSection>& NumberSections() const { return m_numberSections; }
    // The section texts are shown with, or null when the code has none.
    const FormatSection* TextSection() const { return m_hasTextSection ? &m_textSection : nullptr; }

private:
    const FormatSection* ChooseSection(double value, bool& showSign) const;
    void AppendNumber(RenderTarget& target, double value, int width) const;
    void AppendText(RenderTarget& target, std::string_view text) const;

    std::string m_code;
    std::vector<FormatSection> m_numberSections;
    FormatSection m_textSection;
    bool m_hasTextSection = false;
};

} // namespace vantor::numfmt
