#include "ModelTestSupport.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::model;
using namespace vantor::model::test;

namespace {

class Borders : public ::testing::Test, protected ModelFixture {
protected:
    void Draw(const std::string& address, int32_t index, int32_t style, int32_t weight = 2) {
        const ObjectRef range = At(address);
        const ObjectRef border = Border(range, index);
        border.Put("LineStyle", style);
        border.Put("Weight", weight);
        range.Call("Apply");
    }
};

TEST_F(Borders, InsideLinesExistOnlyWhereThereAreSeveralRowsOrColumns) {
    struct Case {
        const char* address;
        bool vertical;   // 11, between columns
        bool horizontal; // 12, between rows
    };
    for (const Case& c :
         {Case{"B2", false, false}, Case{"B2:B5", false, true}, Case{"B2:C2", true, false},
          Case{"A:A", false, true}, Case{"7:7", true, false}, Case{"A1:XFD1048576", true, true}}) {
        const ObjectRef borders = At(c.address).Get("Borders").ToObject();
        EXPECT_EQ(ErrorOf([&] { borders.Call("Item", 11); }), c.vertical ? 0 : 1004) << c.address;
        EXPECT_EQ(ErrorOf([&] { borders.Call("Item", 12); }), c.horizontal ? 0 : 1004) << c.address;
        EXPECT_EQ(borders.Get("Count"), Variant(6 + c.vertical + c.horizontal)) << c.address;
        EXPECT_EQ(borders.Enumerate().size(), 6u + c.vertical + c.horizontal) << c.address;
        EXPECT_EQ(ErrorOf([&] { borders.Call("Item", 4); }), 9);
        EXPECT_EQ(ErrorOf([&] { borders.Call("Item", 13); }), 9);
    }
    // A staged inside line of a range that has none is refused, not stored.
    const ObjectRef cell = At("XFD1048576");
    EXPECT_EQ(ErrorOf([&] { Border(cell, 11).Put("LineStyle", 1); }), 1004);
    cell.Call("Apply");
    EXPECT_EQ(LineStyle("XFD1048576", 7), Variant(-4142));
}

TEST_F(Borders, SharedEdgesAreOneEdgeSeenFromBothCells) {
    Draw("B2", 9, 1, 4); // bottom of B2
    EXPECT_EQ(LineStyle("B3", 8), Variant(1));
    EXPECT_EQ(Border(At("B3"), 8).Get("Weight"), Variant(4));
    Draw("C3", 7, -4115); // left of C3
    EXPECT_EQ(LineStyle("B3", 10), Variant(-4115));
    Draw("B3", 8, -4142); // removing the top of B3 removes B2's bottom
    EXPECT_EQ(LineStyle("B2", 9), Variant(-4142));
    EXPECT_EQ(Border(At("B2"), 9).Get("Weight"), Variant(2));
}

TEST_F(Borders, ColourOrWeightAloneDrawsALineAndNoLineForgetsThem) {
    const ObjectRef range = At("A1");
    const ObjectRef top = Border(range, 8);
    top.Put("color", 255.0); // written as a double, as the border page does
    range.Call("Apply");
    EXPECT_EQ(top.Get("LineStyle"), Variant(1));
    EXPECT_EQ(top.Get("color"), Variant(255));
    top.Put("ColorIndex", -4105);
    range.Call("Apply");
    EXPECT_EQ(top.Get("ColorIndex"), Variant(-4105));
    top.Put("LineStyle", -4142);
    range.Call("Apply");
    EXPECT_EQ(top.Get("Weight"), Variant(2));
    EXPECT_EQ(top.Get("ColorIndex"), Variant(-4105));
}

} // namespace
