#include "vantor/automation/Variant.hpp"
#include "vantor/automation/AutomationError.hpp"

#include "tests/support/ErrorOf.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

using namespace vantor;
using vantor::test::ErrorOf;

TEST(Variant, WholeNumberConversionsRoundHalvesToEvenAndReachBothBounds) {
    constexpr int32_t LongMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t LongMax = std::numeric_limits<int32_t>::max();
    const std::pair<Variant, int32_t> longs[] = {
        {Variant(2.5), 2}, {Variant(3.5), 4}, {Variant(-2.5), -2}, {Variant(-3.5), -4},
        {Variant(2.6), 3}, {Variant(1.5f), 2}, {Variant("3.5"), 4}, {Variant("-2.5"), -2},
        {Variant("  10.5 "), 10}, {Variant("&HFF"), 255},
        {Variant("&H8FFFFFFF"), static_cast<int32_t>(0x8FFFFFFF)}, {Variant(true), -1},
        {Variant(), 0}, {Variant(2147483647.4), LongMax}, {Variant("2147483647"), LongMax},
        {Variant(-2147483648.0), LongMin},
        {Variant(-2147483648.5), LongMin}, // the even neighbour is still a Long
        {Variant("-2147483648"), LongMin}, {Variant(LongMin), LongMin},
    };
    for (const auto& [value, expected] : longs) {
        EXPECT_EQ(value.ToLong(), expected) << value.Describe();
    }
    const std::pair<Variant, int16_t> integers[] = {
        {Variant(2.5), 2},           {Variant(-2.5), -2},         {Variant("3.5"), 4},
        {Variant(-32768.0), -32768}, {Variant("-32768"), -32768}, {Variant(32767), 32767},
    };
    for (const auto& [value, expected] : integers) {
        EXPECT_EQ(value.ToInteger(), expected) << value.Describe();
    }

    const std::pair<Variant, int32_t> longRefusals[] = {
        {Variant(2147483647.5), 6}, {Variant(-2147483648.6), 6}, {Variant(-2147483649.0), 6},
        {Variant("2147483648"), 6}, {Variant("-2147483649"), 6}, {Variant("12abc"), 13},
        {Variant(""), 13},          {Variant::Null(), 94},       {Variant::Nothing(), 13},
    };
    for (const auto& [value, error] : longRefusals) {
        EXPECT_EQ(ErrorOf([&] { value.ToLong(); }), error) << value.Describe();
    }
    EXPECT_EQ(ErrorOf([] { Variant(40000).ToInteger(); }), 6);
    EXPECT_EQ(ErrorOf([] { Variant(-32769).ToInteger(); }), 6);
}

TEST(Variant, TextAndBooleanConversions) {
    EXPECT_EQ(Variant(true).ToString(), "True");
    EXPECT_EQ(Variant(false).ToString(), "False");
    EXPECT_EQ(Variant(0.001).ToString(), "0.001");
    EXPECT_EQ(Variant(1e-11).ToString(), "1E-11");
    EXPECT_EQ(Variant(1e20).ToString(), "1E+20");
    EXPECT_EQ(Variant(-12.5).ToString(), "-12.5");
    EXPECT_EQ(Variant(0.1 + 0.2).ToString(), "0.3");
    EXPECT_EQ(Variant(1.1f).ToString(), "1.1");
    EXPECT_EQ(ErrorOf([] { Variant::Null().ToString(); }), 94);
    EXPECT_TRUE(Variant(" true ").ToBool());
    EXPECT_FALSE(Variant("FALSE").ToBool());
    EXPECT_TRUE(Variant("-1").ToBool());
    EXPECT_FALSE(Variant(0.0).ToBool());
    EXPECT_EQ(ErrorOf([] { Variant("yes").ToBool(); }), 13);
}

TEST(Variant, DatesRoundTripThroughSerials) {
    EXPECT_EQ(DateSerial(1899, 12, 30), 0);
    EXPECT_EQ(DateSerial(1900, 1, 1), 2);
    EXPECT_EQ(DateSerial(2000, 10, 30), 36829);
    const Variant d = Variant::Date(Variant("2000-10-30 18:56:00").ToDate());
    const DateParts p = SplitDate(d.ToDouble());
    EXPECT_EQ(p.year, 2000);
    EXPECT_EQ(p.month, 10);
    EXPECT_EQ(p.day, 30);
    EXPECT_EQ(p.hour, 18);
    EXPECT_EQ(p.minute, 56);
    EXPECT_EQ(d.ToString(), "2000-10-30 18:56:00");
    EXPECT_EQ(Variant::Date(Variant("1899-12-31 18:56:00").ToDate()).ToDouble(),
              1 + TimeSerial(18, 56, 0));
    EXPECT_EQ(Variant::Date(TimeSerial(6, 5, 4)).ToString(), "06:05:04");
    EXPECT_EQ(ErrorOf([] { Variant("2000-13-01").ToDate(); }), 13);
}

TEST(Variant, EqualityIsStrictAboutTypes) {
    EXPECT_EQ(Variant(1), Variant(1));
    EXPECT_NE(Variant(1), Variant(int16_t{1}));
    EXPECT_NE(Variant(1), Variant(1.0));
    EXPECT_NE(Variant("a"), Variant("A"));
    EXPECT_EQ(Variant::Null(), Variant::Null());
    EXPECT_EQ(Variant(7).ChangeType(VarType::String), Variant("7"));
    EXPECT_EQ(Variant("7").ChangeType(VarType::Long), Variant(7));
    EXPECT_TRUE(Variant::Null().ChangeType(VarType::Long).IsNull());
}
