#include "model/numfmt/FormatCodeCache.hpp"
#include "model/numfmt/FormatCode.hpp"

#include <gtest/gtest.h>

#include <string>

using vantor::numfmt::FormatCodeCache;
using vantor::numfmt::FormatValue;

TEST(FormatCodeCache, CompilesEachCodeOnce) {
    FormatCodeCache cache;
    const auto first = cache.Get("#,##0.00");
    const auto second = cache.Get("#,##0.00");
    ASSERT_TRUE(first.Ok());
    EXPECT_EQ(first.Code().get(), second.Code().get());
    EXPECT_EQ(cache.Size(), 1u);
    EXPECT_EQ(first.Code()->Format(FormatValue::Number(1234.5)), "1,234.50");
    // Codes that differ only in case are different codes.
    EXPECT_NE(cache.Get("GENERAL").Code().get(), cache.Get("General").Code().get());
}

TEST(FormatCodeCache, KeepsRefusals) {
    FormatCodeCache cache;
    const auto refused = cache.Get("0\"x");
    EXPECT_FALSE(refused.Ok());
    EXPECT_EQ(refused.Error().Position(), 2);
    EXPECT_EQ(cache.Get("0\"x").Error().Description(), refused.Error().Description());
    EXPECT_EQ(cache.Size(), 1u);
}

TEST(FormatCodeCache, ForgetsLeastRecentlyUsedBeyondCapacity) {
    FormatCodeCache cache(3);
    const auto a = cache.Get("0");
    const auto b = cache.Get("0.0");
    cache.Get("0.00");
    cache.Get("0"); // "0" is now the most recent, "0.0" the least
    cache.Get("0.000");
    EXPECT_EQ(cache.Size(), 3u);
    EXPECT_EQ(cache.Get("0").Code().get(), a.Code().get());
    EXPECT_NE(cache.Get("0.0").Code().get(), b.Code().get()); // compiled again
    EXPECT_EQ(cache.Size(), 3u);
}

TEST(FormatCodeCache, StaysBoundedUnderManyCodes) {
    FormatCodeCache cache(100);
    for (int i = 0; i < 5000; ++i)
        cache.Get("0\"" + std::to_string(i) + "\"");
    EXPECT_EQ(cache.Size(), 100u);
    // Over-long codes are refused without being kept.
    EXPECT_FALSE(cache.Get(std::string(1000000, '#')).Ok());
    EXPECT_EQ(cache.Size(), 100u);
    cache.Clear();
    EXPECT_EQ(cache.Size(), 0u);
    FormatCodeCache none(0);
    EXPECT_TRUE(none.Get("0").Ok());
    EXPECT_EQ(none.Size(), 0u);
}
