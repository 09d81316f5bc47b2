#include "vantor/pages/book/PrecisionText.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace vantor;

TEST(PrecisionText, ShortFormHasNoLeadingZeroAndABlankForSign) {
    EXPECT_EQ(ShortNumberText(0.001), " .001");
    EXPECT_EQ(ShortNumberText(100), " 100");
    EXPECT_EQ(ShortNumberText(-0.5), "-.5");
    EXPECT_EQ(ShortNumberText(0), " 0");
    EXPECT_EQ(ShortNumberText(1E-16), " 1E-16");
    EXPECT_EQ(ShortNumberText(0.1 + 0.2), " .3");
}

TEST(PrecisionText, FixedFormKeepsOneToTenDecimals) {
    EXPECT_EQ(FixedNumberText(0.001), "0.001");
    EXPECT_EQ(FixedNumberText(100), "100.0");
    EXPECT_EQ(FixedNumberText(0), "0.0");
    EXPECT_EQ(FixedNumberText(1E-11), "0.0");
    EXPECT_EQ(FixedNumberText(0.12345678912), "0.1234567891");
}

TEST(PrecisionText, LeadingNumberReadsWhatStartsTheText) {
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("0.5abc"), 0.5);
    EXPECT_EQ(LeadingNumber("1E-3"), 0.001);
    EXPECT_EQ(LeadingNumber("  .001"), 0.001);
    EXPECT_EQ(LeadingNumber("-.5"), -0.5);
    EXPECT_EQ(LeadingNumber("2E"), 2);  // an exponent without digits is not part of it
    EXPECT_EQ(LeadingNumber("3,5"), 3); // "," is no decimal point
    EXPECT_EQ(LeadingNumber("1E-999"), 0);
    EXPECT_TRUE(std::isinf(LeadingNumber("1E999")));
}
