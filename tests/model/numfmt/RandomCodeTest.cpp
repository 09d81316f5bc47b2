// Random codes built from the grammar's characters: every code is either refused with a
// position inside it, or renders every kind of value without fault (run under the sanitizers).
#include "model/numfmt/FormatCode.hpp"
#include "model/numfmt/FormatRecognition.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using vantor::numfmt::FormatCode;
using vantor::numfmt::FormatValue;

namespace {

int CountCharacters(const std::string& text) {
    int count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

} // namespace

TEST(RandomCodes, RefuseWithAPositionOrRender) {
    const std::vector<std::string> pieces = {
        "0",    "#",        "?",     ".",       ",", "%",  "E+",  "e-", "/",        "8",      ";",
        "@",    "\"",       "\"a\"", "\\",      "_", "*",  "[",   "]",  "[Red]",    "[<0]",   "[h]",
        "[ss]", "[$€-407]", "y",     "yyyy",    "m", "mm", "mmm", "d",  "dddd",     "h",      "s",
        "ss",   "AM/PM",    "a/p",   "General", " ", "-",  "(",   "€",  "[Color3]", "[>=1e3]"};
    const std::vector<FormatValue> values = {
        FormatValue::Number(0),       FormatValue::Number(-1234.5678),
        FormatValue::Number(0.5),     FormatValue::Number(1e300),
        FormatValue::Number(-1e-300), FormatValue::Number(123456789012.0),
        FormatValue::Date(45000.75),  FormatValue::Date(3e6),
        FormatValue::Text("txt"),     FormatValue::Boolean(true),
        FormatValue::Empty()};
    std::mt19937 random(12345);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(1, 12);
    int accepted = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string code;
        for (int i = length(random); i > 0; --i)
            code += pieces[pick(random)];
        const auto result = FormatCode::Compile(code);
        if (!result.Ok()) {
            const int position = result.Error().Position();
            EXPECT_GE(position, 1) << code;
            EXPECT_LE(position, CountCharacters(code) + 1) << code;
            EXPECT_NE(result.Error().Description().find(" at position " + std::to_string(position)),
                      std::string::npos)
                << code;
            continue;
        }
        ++accepted;
        vantor::numfmt::Recognize(*result.Code());
        for (const FormatValue& value : values) {
            const std::string plain = result.Code()->Format(value);
            const std::string wide = result.Code()->Format(value, 40);
            EXPECT_LE(plain.size(), 4000u) << code;
            // A fill, or the hashes, make the text exactly as wide as the cell.
            if (wide != plain) {
                EXPECT_EQ(CountCharacters(wide), 40) << code;
            }
        }
    }
    // The alphabet is meant to produce both outcomes in quantity.
    EXPECT_GT(accepted, 2000);
    EXPECT_LT(accepted, 18000);
}
