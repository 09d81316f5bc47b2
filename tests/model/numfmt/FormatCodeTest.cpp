// The compiled code's interface, and the rendering choices made where spreadsheets leave room.
#include "model/numfmt/FormatCode.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using vantor::numfmt::FormatCode;
using vantor::numfmt::FormatValue;

namespace {

std::shared_ptr<const FormatCode> Compiled(const std::string& code) {
    const auto result = FormatCode::Compile(code);
    EXPECT_TRUE(result.Ok()) << code << ": " << result.Error().Description();
    return result.Code();
}

std::string Render(const std::string& code, double value, int width = 0) {
    return Compiled(code)->Format(FormatValue::Number(value), width);
}

} // namespace

TEST(FormatCode, AppendsToTheCallersBuffer) {
    const auto code = Compiled("*-0");
    std::string out = "ab";
    code->AppendFormatted(out, FormatValue::Number(5), 3);
    // The fill counts only this value's characters.
    EXPECT_EQ(out, "ab--5");
    code->AppendFormatted(out, FormatValue::Number(7));
    EXPECT_EQ(out, "ab--57");
    EXPECT_EQ(code->Code(), "*-0");
}

TEST(FormatCode, SplitsNumberAndTextSections) {
    const auto withText = Compiled("0;@");
    EXPECT_EQ(withText->NumberSections().size(), 1u);
    ASSERT_NE(withText->TextSection(), nullptr);
    EXPECT_EQ(withText->Format(FormatValue::Number(-2)), "-2");
    const auto four = Compiled("0;0;0;\"t\"");
    EXPECT_EQ(four->NumberSections().size(), 3u);
    EXPECT_NE(four->TextSection(), nullptr);
    EXPECT_EQ(Compiled("0;0")->TextSection(), nullptr);
}

TEST(FormatCode, ReportsTheColourOfTheChosenSection) {
    const auto code = Compiled("[Red]0;[Blue]0;[Color10]0;[Green]@");
    EXPECT_EQ(code->Color(FormatValue::Number(5)), 3);
    EXPECT_EQ(code->Color(FormatValue::Number(-5)), 5);
    EXPECT_EQ(code->Color(FormatValue::Number(0)), 10);
    EXPECT_EQ(code->Color(FormatValue::Text("a")), 4);
    EXPECT_EQ(Compiled("0")->Color(FormatValue::Number(1)), 0);
    EXPECT_EQ(Compiled("[CYAN]0")->Color(FormatValue::Number(1)), 8);
}

TEST(FormatCode, ConditionsAndSigns) {
    // A section whose condition admits only negative values writes its own sign.
    EXPECT_EQ(Render("[<-5]\"<\"0;0", -10), "<10");
    EXPECT_EQ(Render("[<=-1]0;0", -3), "3");
    // A section that takes what the first condition leaves keeps the sign.
    EXPECT_EQ(Render("[<-5]0;0", -3), "-3");
    EXPECT_EQ(Render("[>=100]0;0", -5), "-5");
    // No section for the value: hashes, as for a value a date code cannot show.
    EXPECT_EQ(Render("[>100]0;[<-100]0", 5), "###########");
    EXPECT_EQ(Render("[>0]0", -1), "###########");
    EXPECT_EQ(Render("[>0]0", -1, 4), "####");
    // Negative zero is zero.
    EXPECT_EQ(Render("0;(0);\"z\"", -0.0), "z");
    // A negative value rounded to zero keeps its sign, as in a cell.
    EXPECT_EQ(Render("0", -0.4), "-0");
}

TEST(FormatCode, ChoicesWhereSpreadsheetsDiffer) {
    // General counts the sign among its 11 characters.
    EXPECT_EQ(Render("General", -12345678901.0), "-1.2346E+10");
    EXPECT_EQ(Render("General", 12345678901.0), "12345678901");
    // Several integer placeholders with # give an exponent that is a multiple of their count;
    // with 0s only the mantissa fills them all.
    EXPECT_EQ(Render("#0.0E+0", 12345), "1.2E+4");
    EXPECT_EQ(Render("#0.0E+0", 123456), "12.3E+4");
    EXPECT_EQ(Render("00.00E+00", 12345), "12.35E+03");
    EXPECT_EQ(Render("00.00E+00", 0.5), "50.00E-02");
    // A negative value in a literal-only section still gets its sign.
    EXPECT_EQ(Render("\"x\"", -5), "-x");
}

TEST(FormatCode, ValuesNoCodeCanShow) {
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Render("0.00", infinity), "###########");
    EXPECT_EQ(Render("General", std::numeric_limits<double>::quiet_NaN()), "###########");
    EXPECT_EQ(Render("yyyy", -1, 6), "######");
    EXPECT_EQ(Render("yyyy", 1e300), "###########");
    EXPECT_EQ(Render("*-yyyy", -1, 8), "########"); // no fill around the hashes
}

TEST(FormatCode, AbsurdButValidCodes) {
    // 255 placeholders, 255 decimals and huge scale factors stay within bounds.
    EXPECT_EQ(Render(std::string(255, '0'), 1).size(), 255u);
    EXPECT_EQ(Render("0." + std::string(253, '0'), 1.5).size(), 255u);
    EXPECT_EQ(Render("0" + std::string(254, '%'), 1e308).size(), 1 + 308 + 2 * 254 + 254u);
    EXPECT_EQ(Render("0" + std::string(254, ','), 1e308), "0");
    EXPECT_EQ(Render("# " + std::string(100, '?') + "/" + std::string(100, '?'), 0.5).size(),
              202u); // "#" shows nothing for a zero whole number
}
