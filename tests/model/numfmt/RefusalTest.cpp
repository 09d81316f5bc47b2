// Codes that must be refused, each with a description that names the fault and its position.
#include "model/numfmt/FormatCode.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using vantor::numfmt::FormatCode;

namespace {

struct Refusal {
    std::string m_code;
    std::string m_description; // the whole description
    int m_position;
};

void CheckRefusals(const std::vector<Refusal>& refusals) {
    for (const Refusal& refusal : refusals) {
        const auto result = FormatCode::Compile(refusal.m_code);
        ASSERT_FALSE(result.Ok()) << "code [" << refusal.m_code << "] was accepted";
        EXPECT_EQ(result.Error().Description(), refusal.m_description)
            << "code [" << refusal.m_code << "]";
        EXPECT_EQ(result.Error().Position(), refusal.m_position)
            << "code [" << refusal.m_code << "]";
    }
}

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

} // namespace

TEST(Refusal, QuotesAndBrackets) {
    CheckRefusals({
        {"0.00\"abc", "Unbalanced quote starting at position 5", 5},
        {"\"", "Unbalanced quote starting at position 1", 1},
        {"€€\"abc", "Unbalanced quote starting at position 3", 3},
        {"[Red0", "Unbalanced bracket starting at position 1", 1},
        {"0.00[Red", "Unbalanced bracket starting at position 5", 5},
        {"0]", "Unbalanced bracket ']' at position 2", 2},
        {"[]0", "Empty brackets at position 1", 1},
    });
}

TEST(Refusal, Sections) {
    CheckRefusals({
        {"0;0;0;@;0", "More than four sections at position 8", 8},
        {";;;;", "More than four sections at position 4", 4},
        {Repeat("0;", 100), "More than four sections at position 8", 8},
        {"0;0;0;0", "Fourth section is for text: only '@' and literals at position 7", 7},
        {"@;0", "Text section with '@' must be the last section at position 1", 1},
    });
}

TEST(Refusal, ColoursAndConditions) {
    CheckRefusals({
        {"[Purple]0", "Unknown colour '[Purple]' at position 1", 1},
        {"0;[Purple]0", "Unknown colour '[Purple]' at position 3", 3},
        {"[Color57]0", "Bad colour '[Color57]' at position 1: the index must be 1 to 56", 1},
        {"[Color0]0", "Bad colour '[Color0]' at position 1: the index must be 1 to 56", 1},
        {"[Colorx]0", "Bad colour '[Colorx]' at position 1: the index must be 1 to 56", 1},
        {"[xyz1]0", "Unknown code in brackets '[xyz1]' at position 1", 1},
        {"[<abc]0", "Bad condition '[<abc]' at position 1: the value is not a number", 1},
        {"0;[<]0", "Bad condition '[<]' at position 3: the value is not a number", 3},
        {"[=>5]0", "Bad condition '[=>5]' at position 1: the value is not a number", 1},
        {"[<5x]0", "Bad condition '[<5x]' at position 1: the value is not a number", 1},
        {"[<inf]0", "Bad condition '[<inf]' at position 1: the value is not a number", 1},
        {"[>1e999]0", "Bad condition '[>1e999]' at position 1: the value is not a number", 1},
        {"[<5][>3]0", "Second condition in one section at position 5", 5},
    });
}

TEST(Refusal, TrailingEscapes) {
    CheckRefusals({
        {"0\\", "Trailing '\\' with no character after it at position 2", 2},
        {"0_", "Trailing '_' with no character after it at position 2", 2},
        {"0*", "Trailing '*' with no character after it at position 2", 2},
        {"*a*b0", "More than one '*' fill in a section at position 3", 3},
    });
}

TEST(Refusal, IncompatibleParts) {
    CheckRefusals({
        {"0@", "Text placeholder '@' mixed with number or date codes at position 1", 1},
        {"@ yyyy", "Text placeholder '@' mixed with number or date codes at position 3", 3},
        {"yyyy 0", "Date and time codes mixed with number codes at position 6", 6},
        {"General 0", "General mixed with digit placeholders at position 9", 9},
        {"hh:mm General", "Date and time codes mixed with number codes at position 7", 7},
        {"0.0 ?/?", "A fraction cannot have a decimal point at position 2", 2},
        {"0 ?/?E+0", "A fraction cannot have an exponent at position 6", 6},
        {"# ?/", "Fraction without a denominator after '/' at position 4", 4},
        {"?/? 0", "Digit placeholder after the fraction at position 5", 5},
        {"0E+", "Exponent without digit placeholders after it at position 2", 2},
        {"E+00", "Exponent without digit placeholders before it at position 1", 1},
        {"0E+0E+0", "Second exponent at position 5", 5},
        {"0E", "Exponent 'E' must be followed by '+' or '-' at position 2", 2},
        {"ss.0000", "At most three digits for fractions of a second at position 7", 7},
        {"0 kg", "Unexpected character 'k' at position 3 (quote literal text)", 3},
        {"Gen", "Unexpected character 'G' at position 1 (quote literal text)", 1},
        {"hh:mm am", "Unexpected character 'a' at position 7 (quote literal text)", 7},
    });
}

TEST(Refusal, OverlongCodes) {
    // A million placeholders and thousands of sections are refused at the length limit,
    // before any of them is looked at.
    CheckRefusals({
        {std::string(1000000, '0'), "Format code is longer than 255 characters at position 256",
         256},
        {std::string(3000, ';'), "Format code is longer than 255 characters at position 256", 256},
        {Repeat("0;", 5000), "Format code is longer than 255 characters at position 256", 256},
        {Repeat("€", 256), "Format code is longer than 255 characters at position 256", 256},
    });
    // The limit counts characters, not bytes.
    EXPECT_TRUE(FormatCode::Compile(Repeat("€", 254) + "0").Ok());
    EXPECT_TRUE(FormatCode::Compile(std::string(255, '0')).Ok());
}
