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
    Variant Style(const std::string& address, int32_t index) {
        return Border(At(address), index).Get("LineStyle");
    }
};

TEST_F(Borders, InsideLinesExistOnlyWhereThereAreSeveralRowsOrColumns) {
    const ObjectRef borders = At("B2").Get("Borders").ToObject();
    EXPECT_EQ(ErrorOf([&] { borders.Call("Item", 11); }), 1004);
    EXPECT_EQ(ErrorOf([&] { borders.Call("Item", 12); }), 1004);
    EXPECT_EQ(borders.Enumerate().size(), 6u);
    const ObjectRef column = At("B2:B5").Get("Borders").ToObject();
    EXPECT_EQ(ErrorOf([&] { column.Call("Item", 11); }), 1004);
    EXPECT_EQ(ErrorOf([&] { column.Call("Item", 12); }), 0);
    EXPECT_EQ(ErrorOf([&] { At("B2:C2").Get("Borders").Call("Item", 11); }), 0);
    EXPECT_EQ(ErrorOf([&] { borders.Call("Item", 4); }), 9);
    EXPECT_EQ(ErrorOf([&] { borders.Call("Item", 13); }), 9);
}

TEST_F(Borders, SharedEdgesAreOneEdgeSeenFromBothCells) {
    Draw("B2", 9, 1, 4); // bottom of B2
    EXPECT_EQ(Style("B3", 8), Variant(1));
    EXPECT_EQ(Border(At("B3"), 8).Get("Weight"), Variant(4));
    Draw("C3", 7, -4115); // left of C3
    EXPECT_EQ(Style("B3", 10), Variant(-4115));
    Draw("B3", 8, -4142); // removing the top of B3 removes B2's bottom
    EXPECT_EQ(Style("B2", 9), Variant(-4142));
    EXPECT_EQ(Border(At("B2"), 9).Get("Weight"), Variant(2));
    // The edges of the last row and column are kept too.
    Draw("XFD1048576", 9, 1);
    Draw("XFD1048576", 10, 5);
    EXPECT_EQ(Style("XFD1048576", 9), Variant(1));
    EXPECT_EQ(Style("XFD1048576", 10), Variant(5));
}

TEST_F(Borders, OutlineAndInsideLinesOfABlockReadAsGroups) {
    const ObjectRef range = At("B2:D4");
    for (int32_t index : {7, 8, 9, 10}) {
        Border(range, index).Put("LineStyle", 1);
    }
    Border(range, 12).Put("LineStyle", -4118);
    range.Call("Apply");
    EXPECT_EQ(Style("B2:D4", 7), Variant(1));
    EXPECT_EQ(Style("B2:D4", 12), Variant(-4118));
    EXPECT_EQ(Style("B2:D4", 11), Variant(-4142));
    EXPECT_EQ(Style("C3", 8), Variant(-4118)); // an inside line is the middle cell's top
    EXPECT_EQ(Style("C5", 8), Variant(1));     // the block's bottom is the top of the row under it
    EXPECT_EQ(Style("E3", 7), Variant(1));
    EXPECT_TRUE(Style("B2:E4", 11).IsNull()); // C and D have no left line, E has
    EXPECT_TRUE(Style("B2:D5", 12).IsNull());
}

TEST_F(Borders, DiagonalsBelongToEachCell) {
    const ObjectRef range = At("A1:B2");
    Border(range, 5).Put("LineStyle", 1);
    range.Call("Apply");
    EXPECT_EQ(Style("B2", 5), Variant(1));
    EXPECT_EQ(Style("B2", 6), Variant(-4142));
    EXPECT_TRUE(Style("B2:B3", 5).IsNull());
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
    EXPECT_EQ(ErrorOf([&] { top.Put("Weight", 3); }), 1004);
    EXPECT_EQ(ErrorOf([&] { top.Put("LineStyle", 2); }), 1004);
}

TEST_F(Borders, DifferingEdgesReadNullAndNullKeepsThem) {
    Draw("A1", 8, 1);
    const ObjectRef range = At("A1:B1");
    const ObjectRef top = Border(range, 8);
    EXPECT_TRUE(top.Get("LineStyle").IsNull());
    top.Put("LineStyle", Variant::Null());
    top.Put("Weight", Variant::Null());
    range.Call("Apply");
    EXPECT_EQ(Style("A1", 8), Variant(1));
    EXPECT_EQ(Style("B1", 8), Variant(-4142));
}

} // namespace
