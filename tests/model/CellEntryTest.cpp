#include "model/CellEntry.hpp"

#include <gtest/gtest.h>

using vantor::Variant;
using vantor::model::CellEntry;

namespace {

struct Case {
    const char* typed;
    Variant value;
    const char* format;
};

TEST(CellEntry, RecognisesWhatIsTyped) {
    const Case cases[] = {
        {"42", Variant(42.0), ""},
        {"-1,234,567.25", Variant(-1234567.25), ""},
        {"+.5", Variant(0.5), ""},
        {"6.02E+23", Variant(6.02e23), ""},
        {" 12 ", Variant(12.0), ""},
        {"12%", Variant(0.12), "0%"},
        {"-2.5%", Variant(-0.025), "0.00%"},
        {"2026-12-07", Variant::Date(46363.0), "yyyy-mm-dd"},
        {"2024-02-29", Variant::Date(45351.0), "yyyy-mm-dd"},
        {"9:05", Variant::Date((9 * 60 + 5) / 1440.0), "hh:mm"},
        {"18:56:30", Variant::Date((18 * 3600 + 56 * 60 + 30) / 86400.0), "hh:mm:ss"},
        {"true", Variant(true), ""},
        {"FALSE", Variant(false), ""},
        {"", Variant(), ""},
        // Near misses stay text, as typed.
        {"1,23", Variant("1,23"), ""},
        {"12,3456", Variant("12,3456"), ""},
        {",123", Variant(",123"), ""},
        {"1e", Variant("1e"), ""},
        {"1.2.3", Variant("1.2.3"), ""},
        {"%", Variant("%"), ""},
        {"2023-02-29", Variant("2023-02-29"), ""},
        {"2026-13-01", Variant("2026-13-01"), ""},
        {"24:00", Variant("24:00"), ""},
        {"12:60", Variant("12:60"), ""},
        {"1e999", Variant("1e999"), ""},
        {"TRUEE", Variant("TRUEE"), ""},
        {" text ", Variant(" text "), ""},
        // The apostrophe forces text and is dropped.
        {"'42", Variant("42"), ""},
        {"'TRUE", Variant("TRUE"), ""},
        {"'", Variant(""), ""},
    };
    for (const Case& c : cases) {
        const CellEntry entry = CellEntry::Recognize(c.typed);
        EXPECT_EQ(entry.Value().Type(), c.value.Type()) << c.typed;
        EXPECT_EQ(entry.Value(), c.value) << c.typed;
        EXPECT_EQ(entry.NumberFormat(), c.format) << c.typed;
    }
}

} // namespace
