#include "model/CellEntry.hpp"

#include <gtest/gtest.h>

using vantor::Variant;
using vantor::model::CellEntry;

namespace {

TEST(CellEntryFixedDecimal, PlacesApplyOnlyToNumbersTypedWithoutAPoint) {
    struct Case {
        const char* typed;
        int32_t places;
        Variant value;
        const char* format;
    };
    const Case cases[] = {
        {"1234", 2, Variant(12.34), ""},
        {"-1,234", 2, Variant(-12.34), ""},
        {"5", 3, Variant(0.005), ""},
        {"12", -2, Variant(1200.0), ""},
        {"12.5", 2, Variant(12.5), ""},  // a typed point wins
        {"12.", 2, Variant(12.0), ""},
        {"12%", 2, Variant(0.12), "0%"}, // percentages, dates and text as usual
        {"2026-12-07", 2, Variant::Date(46363.0), "yyyy-mm-dd"},
        {"'1234", 2, Variant("1234"), ""},
        {"1e300", -300, Variant("1e300"), ""}, // beyond a number: kept as typed
    };
    for (const Case& c : cases) {
        const CellEntry entry = CellEntry::Recognize(c.typed, c.places);
        EXPECT_EQ(entry.Value(), c.value) << c.typed << " with " << c.places;
        EXPECT_EQ(entry.NumberFormat(), c.format) << c.typed;
    }
    EXPECT_EQ(CellEntry::Recognize("1234").Value(), Variant(1234.0));
}

} // namespace
