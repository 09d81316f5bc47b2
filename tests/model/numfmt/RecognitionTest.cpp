// Category and options read back from a compiled code.
#include "model/numfmt/FormatCode.hpp"
#include "model/numfmt/FormatRecognition.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nf = vantor::numfmt;
namespace Category = vantor::enums::FormatCategory;

namespace {

nf::FormatInfo RecognizeCode(const std::string& code) {
    const auto result = nf::FormatCode::Compile(code);
    EXPECT_TRUE(result.Ok()) << "code [" << code << "]: " << result.Error().Description();
    return result.Ok() ? nf::Recognize(*result.Code()) : nf::FormatInfo();
}

struct Expected {
    Expected(std::string code, std::int32_t category, std::int32_t decimals = 0,
             bool useComma = false, std::string symbol = {}, bool exponentSign = false)
        : m_code(std::move(code)), m_category(category), m_decimals(decimals), m_useComma(useComma),
          m_symbol(std::move(symbol)), m_exponentSign(exponentSign) {}

    std::string m_code;
    std::int32_t m_category;
    std::int32_t m_decimals;
    bool m_useComma;
    std::string m_symbol;
    bool m_exponentSign;
};

void CheckRecognition(const std::vector<Expected>& table) {
    for (const Expected& expected : table) {
        const nf::FormatInfo info = RecognizeCode(expected.m_code);
        EXPECT_EQ(info.m_category, expected.m_category) << "code [" << expected.m_code << "]";
        EXPECT_EQ(info.m_fixedDecimalPlaces, expected.m_decimals)
            << "code [" << expected.m_code << "]";
        EXPECT_EQ(info.m_useComma, expected.m_useComma) << "code [" << expected.m_code << "]";
        EXPECT_EQ(info.m_currencySymbol, expected.m_symbol) << "code [" << expected.m_code << "]";
        EXPECT_EQ(info.m_exponentSign, expected.m_exponentSign)
            << "code [" << expected.m_code << "]";
    }
}

// The number format page's builders, as that page concatenates its fragments.
std::string BuildFormatCode(int decimals, bool useSeparator, const std::string& prefix,
                            int exponentDigits, bool exponentSign) {
    std::string code = prefix;
    code.append(useSeparator ? "#,##0" : "0");
    if (decimals > 0)
        code.append(1, '.').append(static_cast<std::size_t>(decimals), '0');
    if (exponentDigits > 0)
        code.append(1, 'E')
            .append(1, exponentSign ? '+' : '-')
            .append(static_cast<std::size_t>(exponentDigits), '0');
    return code;
}

std::string BuildPercentCode(int decimals) {
    std::string code = "0";
    if (decimals > 0)
        code.append(1, '.').append(static_cast<std::size_t>(decimals), '0');
    return code.append(1, '%');
}

} // namespace

TEST(Recognition, WorkedCodes) {
    CheckRecognition({
        {"#,##0.00", Category::Number, 2, true}, {"0", Category::Number, 0, false},
        {"0.000", Category::Number, 3, false}, {"#,##0", Category::Number, 0, true},
        {"$#,##0.00", Category::Currency, 2, true, "$"},
        {"¥#,##0.00", Category::Currency, 2, true, "¥"},
        {"€#,##0", Category::Currency, 0, true, "€"},
        {"[$€-407]#,##0.00", Category::Currency, 2, true, "€"},
        {"#,##0.00 €", Category::Currency, 2, true, "€"},
        {"#,##0.00 [$€-407]", Category::Currency, 2, true, "€"},
        {"[$$-409]#,##0.00", Category::Currency, 2, true, "$"},
        {"$ #,##0", Category::Currency, 0, true, "$"}, {"£0.00", Category::Currency, 2, false, "£"},
        {"[$-409]0.00", Category::Number, 2, false},
        {"0.00E+00", Category::Scientific, 2, false, "", true},
        {"0.00E-00", Category::Scientific, 2, false, "", false},
        {"0E+00", Category::Scientific, 0, false, "", true}, {"0.00%", Category::Percent, 2},
        {"0%", Category::Percent, 0}, {"", Category::General}, {"General", Category::General},
        {"@", Category::Text}, {"# ?/?", Category::NumericList},
        {"# ?\?/??", Category::NumericList}, {"?/4", Category::NumericList},
    });
}

TEST(Recognition, DatesAndTimes) {
    CheckRecognition({
        {"yyyy-mm-dd", Category::Date}, {"m/d/yyyy", Category::Date}, {"mmm-yy", Category::Date},
        {"dddd, mmmm dd, yyyy", Category::Date}, {"m/d/yyyy h:mm", Category::Date},
        {"h:mm", Category::Time}, {"h:mm:ss AM/PM", Category::Time}, {"[h]:mm:ss", Category::Time},
        {"mm:ss.0", Category::Time},
    });
}

TEST(Recognition, SeveralSectionsAndCustom) {
    CheckRecognition({
        // Number and currency codes are recognised by their first section.
        {"#,##0.00;[Red]-#,##0.00", Category::Number, 2, true},
        {"0;(0)", Category::Number, 0, false},
        {"$#,##0.00_);($#,##0.00)", Category::Currency, 2, true, "$"},
        // Anything the builders would not produce is Custom.
        {"0.00%;-0.00%", Category::Custom}, {"0.0,,\"M\"", Category::Custom},
        {"00000", Category::Custom}, {"\"x\"0", Category::Custom},
        {"\"USD\"0.00", Category::Custom}, {" 0.00", Category::Custom},
        {"$0.00€", Category::Custom}, {"[$€-407][$$-409]0", Category::Custom},
        {"_($* #,##0.00_);_($* (#,##0.00);_($* \"-\"?\?_);_(@_)", Category::Custom},
        {"#,##0.00E+00", Category::Custom}, {"[<100]0", Category::Custom},
        {"\"Name: \"@", Category::Custom}, {"$0.00%", Category::Custom}, {";;;", Category::Custom},
        {"General;-General", Category::Custom}, {"#,###", Category::Custom},
        {"0.", Category::Custom},
    });
}

TEST(Recognition, BuiltCodesRoundTrip) {
    for (int decimals = 0; decimals <= 6; ++decimals) {
        for (const bool separator : {false, true}) {
            const nf::FormatInfo number =
                RecognizeCode(BuildFormatCode(decimals, separator, "", 0, false));
            EXPECT_EQ(number.m_category, Category::Number);
            EXPECT_EQ(number.m_fixedDecimalPlaces, decimals);
            EXPECT_EQ(number.m_useComma, separator);
        }
        for (const std::string symbol : {"$", "€", "¥"}) {
            const nf::FormatInfo currency =
                RecognizeCode(BuildFormatCode(decimals, true, symbol, 0, false));
            EXPECT_EQ(currency.m_category, Category::Currency) << symbol;
            EXPECT_EQ(currency.m_fixedDecimalPlaces, decimals);
            EXPECT_EQ(currency.m_currencySymbol, symbol);
        }
        for (const bool sign : {false, true}) {
            const nf::FormatInfo scientific =
                RecognizeCode(BuildFormatCode(decimals, false, "", 2, sign));
            EXPECT_EQ(scientific.m_category, Category::Scientific);
            EXPECT_EQ(scientific.m_fixedDecimalPlaces, decimals);
            EXPECT_EQ(scientific.m_exponentSign, sign);
        }
        const nf::FormatInfo percent = RecognizeCode(BuildPercentCode(decimals));
        EXPECT_EQ(percent.m_category, Category::Percent);
        EXPECT_EQ(percent.m_fixedDecimalPlaces, decimals);
    }
    // A currency with an empty symbol is the Number code with separator.
    const nf::FormatInfo empty = RecognizeCode(BuildFormatCode(0, true, "", 0, false));
    EXPECT_EQ(empty.m_category, Category::Number);
    EXPECT_TRUE(empty.m_useComma);
    // The page allows up to 100 decimals; such a code is still recognised.
    EXPECT_EQ(RecognizeCode(BuildFormatCode(100, true, "", 0, false)).m_fixedDecimalPlaces, 100);
}
