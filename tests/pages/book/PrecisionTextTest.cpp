#include "vantor/pages/book/PrecisionText.hpp"

#include <gtest/gtest.h>

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
