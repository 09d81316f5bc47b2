#include "ModelTestSupport.hpp"

#include "model/NumberFormats.hpp"

#include <gtest/gtest.h>

#include <set>

using namespace vantor;
using namespace vantor::model;
using namespace vantor::model::test;

namespace {

class NumberFormatsTest : public ::testing::Test, protected ModelFixture {
protected:
    ObjectRef ref{app->NumberFormatList()};
};

TEST_F(NumberFormatsTest, EnumeratesEveryFormatOnceInAFixedOrder) {
    const std::vector<Variant> all = ref.Enumerate();
    ASSERT_GE(all.size(), NumberFormats::BuiltInCodes().size());
    std::set<std::string> codes;
    std::set<int32_t> categories;
    for (const Variant& f : all) {
        EXPECT_TRUE(codes.insert(f.Get("Name").ToString()).second) << f.Get("Name").ToString();
        categories.insert(f.Get("Category").ToLong());
    }
    EXPECT_EQ(categories, (std::set<int32_t>{1, -4145, 6, 32, 7, 34, 35, 33, -4158, 1000}));
    EXPECT_EQ(all.front().Get("Name"), Variant(""));
    EXPECT_EQ(ref.Enumerate().size(), all.size());
    // The page offers three currency symbols; each has its formats.
    for (const char* symbol : {"$", "€", "¥"}) {
        const Variant f = ref.Call("Item", std::string(symbol) + "#,##0.00");
        EXPECT_EQ(f.Get("Category"), Variant(6));
        EXPECT_EQ(f.Get("CurrencySymbol"), Variant(symbol));
        EXPECT_EQ(f.Get("FixedDecimalPlaces"), Variant(2));
    }
}

TEST_F(NumberFormatsTest, RecognisesTheCodesThePageBuilds) {
    struct Case {
        const char* code;
        int32_t category, places;
        bool comma, sign;
    };
    for (const Case& c :
         {Case{"0.00", -4145, 2, false, false}, Case{"#,##0.000", -4145, 3, true, false},
          Case{"0.00E+00", 32, 2, false, true}, Case{"0.000E-00", 32, 3, false, false},
          Case{"0%", 35, 0, false, false}, Case{"0.0%", 35, 1, false, false}}) {
        const Variant f = ref.Call("Add", c.code);
        EXPECT_EQ(f.Get("Name"), Variant(c.code));
        EXPECT_EQ(f.Get("Category"), Variant(c.category)) << c.code;
        EXPECT_EQ(f.Get("FixedDecimalPlaces"), Variant(c.places)) << c.code;
        if (c.category == -4145) {
            EXPECT_EQ(f.Get("UseComma"), Variant(c.comma)) << c.code;
        }
        if (c.category == 32) {
            EXPECT_EQ(f.Get("ExponentSign"), Variant(c.sign)) << c.code;
        }
    }
}

TEST_F(NumberFormatsTest, AddsOnceFindsAndRefuses) {
    EXPECT_TRUE(ref.Call("Item", "0.0000\" m\"").IsNothing());
    const Variant added = ref.Call("Add", "0.0000\" m\"");
    EXPECT_EQ(ref.Call("Add", "0.0000\" m\"").ToObject(), added.ToObject());
    EXPECT_EQ(ref.Call("Item", "0.0000\" m\"").ToObject(), added.ToObject());
    EXPECT_EQ(ref.Enumerate().back().ToObject(), added.ToObject());
    EXPECT_EQ(ref.Call("Item", "General").Get("Name"), Variant("")); // General is kept as ""
    const auto unbalanced = [&] { ref.Call("Add", "0.00\""); };
    EXPECT_EQ(ErrorOf(unbalanced), 1004);
    EXPECT_NE(DescriptionOf(unbalanced).find("position 5"), std::string::npos);
    EXPECT_EQ(ErrorOf([&] { ref.Call("Format", "[Blue", Variant(1)); }), 1004);
}

TEST_F(NumberFormatsTest, FormatsTheSamplesOfThePage) {
    const Variant dateSample = Variant::Date(Variant("2000-10-30 18:56:00").ToDate());
    const Variant timeSample = Variant::Date(Variant("1899-12-31 18:56:00").ToDate());
    EXPECT_EQ(ref.Call("Format", "yyyy-mm-dd hh:mm", dateSample), Variant("2000-10-30 18:56"));
    EXPECT_EQ(ref.Call("Format", "h:mm AM/PM", timeSample), Variant("6:56 PM"));
    EXPECT_EQ(ref.Call("Format", "0.00", Variant(true)), Variant("TRUE"));
    EXPECT_TRUE(ref.Call("Format", "0.00", Variant::Null()).IsNull());
    EXPECT_EQ(ref.Call("Item", "0.00%").Call("Format", Variant(0.1234)), Variant("12.34%"));
    // A time alone is day 0 in both counts of days: not a day before 1900.
    const Variant timeAlone = Variant::Date(Variant("18:56:00").ToDate());
    EXPECT_EQ(ref.Call("Format", "h:mm:ss", timeAlone), Variant("18:56:00"));
    EXPECT_EQ(ref.Call("Format", "General", timeAlone), Variant("0.788888889"));
    EXPECT_EQ(ref.Call("Format", "yyyy-mm-dd", Variant::Date(Variant("1900-01-01").ToDate())), Variant("1900-01-01"));
}

TEST_F(NumberFormatsTest, ErrorValuesShowTheirNamesWhateverTheCode) {
    const std::pair<int32_t, const char*> errors[] = {{2000, "#NULL!"}, {2007, "#DIV/0!"}, {2015, "#VALUE!"},
                                                      {2023, "#REF!"},  {2029, "#NAME?"},  {2036, "#NUM!"},
                                                      {2042, "#N/A"}};
    for (const auto& [code, name] : errors) {
        for (const char* format : {"", "0.00", "yyyy-mm-dd", "@", "0.0;[Red]-0.0"}) {
            EXPECT_EQ(ref.Call("Format", format, Variant::Error(code)), Variant(name)) << code << " " << format;
        }
    }
}

TEST_F(NumberFormatsTest, CheckSaysWhatIsWrongWithACodeAndWhereWithoutAddingIt) {
    const size_t count = ref.Enumerate().size();
    for (const char* good : {"", "General", "0.00;[Red]-0.00", "yyyy-mm-dd"}) {
        EXPECT_TRUE(ref.Call("Check", good).IsEmpty()) << good;
    }
    struct Case {
        std::string code;
        int32_t start;
        int32_t length;
    };
    const Case bad[] = {
        {"0.00\"abc", 5, 4},           // an open quote: to the end
        {"0.00 [Purple]", 6, 8},       // an unknown colour: the whole bracket
        {"0.0[Red", 4, 4},             // an open bracket: to the end
        {"0;0;0;0;0", 8, 1},           // a fifth section
        {"yyyy 0.00", 6, 1},           // a date code mixed with number codes
        {std::string(300, '0'), 256, 1}, // longer than cells take
    };
    for (const Case& c : bad) {
        const Variant problem = ref.Call("Check", c.code);
        ASSERT_TRUE(problem.IsObject()) << c.code;
        EXPECT_EQ(problem.Get("Start"), Variant(c.start)) << c.code;
        EXPECT_EQ(problem.Get("Length"), Variant(c.length)) << c.code;
        EXPECT_NE(problem.Get("Description").ToString().find("position " + std::to_string(c.start)), std::string::npos)
            << problem.Get("Description").ToString();
    }
    EXPECT_EQ(ref.Enumerate().size(), count);
}

TEST_F(NumberFormatsTest, TheApplicationHoldsThemAndCellsRefuseWhatTheyRefuse) {
    EXPECT_EQ(ObjectRef(app).Get("NumberFormats").ToObject(), ref);
    const ObjectRef cell = At("A1");
    EXPECT_EQ(ErrorOf([&] { cell.Put("NumberFormat", "0.00\""); }), 1004);
    EXPECT_TRUE(ref.Call("Item", "0.0 \"kg\"").IsNothing());
    cell.Put("NumberFormat", "0.0 \"kg\"");
    cell.Call("Apply");
    // A code the cells use is one of the application's formats.
    EXPECT_EQ(ref.Call("Item", "0.0 \"kg\"").Get("Category"), Variant(1000));
    EXPECT_EQ(cell.Get("NumberFormat"), Variant("0.0 \"kg\""));
}

} // namespace
