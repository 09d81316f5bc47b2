#include "ModelTestSupport.hpp"

#include "model/CellStore.hpp"
#include "model/StyleTable.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::model;
using namespace vantor::model::test;

namespace {

class LateBound : public ::testing::Test, protected ModelFixture {};

TEST_F(LateBound, ObjectsLeadToEachOtherAsThePagesWalkThem) {
    const ObjectRef range = At("B2:C3");
    EXPECT_EQ(range.Get("Application"), Variant(app));
    EXPECT_EQ(range.Get("Worksheet"), Variant(sheet));
    EXPECT_EQ(range.Get("Application").Get("ActiveWorkbook").Get("ActiveSheet"), Variant(sheet));
    EXPECT_EQ(ObjectRef(app).Call("Range", "Sheet3!A1").Get("Worksheet").Get("Index"), Variant(3));
    EXPECT_EQ(range.Get("Row"), Variant(2));
    EXPECT_EQ(range.Get("Column"), Variant(2));
    EXPECT_EQ(ErrorOf([&] { range.Get("NoSuchProperty"); }), 438);
    EXPECT_EQ(ErrorOf([&] { range.Put("Address", "A1"); }), 438);
}

TEST_F(LateBound, ValuesKeepTheirTypes) {
    At("A1").Put("Value", Variant::Date(36829.0));
    At("A2").Put("Value", true);
    At("A3").Put("Value", Variant::Error(2007));
    At("A4").Put("Value", int16_t{7});
    EXPECT_EQ(At("A1").Get("Value").Type(), VarType::Date);
    EXPECT_EQ(At("A2").Get("Value"), Variant(true));
    EXPECT_EQ(At("A3").Get("Value").Type(), VarType::Error);
    EXPECT_EQ(At("A4").Get("Value"), Variant(int16_t{7}));
    EXPECT_EQ(ErrorOf([&] { At("A5").Put("Value", Variant(app)); }), 13);
}

TEST_F(LateBound, BorderColourIndexNoneRemovesTheLine) {
    const ObjectRef range = At("A1");
    const ObjectRef left = Border(range, 7);
    left.Put("LineStyle", 1);
    left.Put("color", 255);
    range.Call("Apply");
    left.Put("ColorIndex", -4142);
    range.Call("Apply");
    EXPECT_EQ(left.Get("LineStyle"), Variant(-4142));
    EXPECT_EQ(left.Get("ColorIndex"), Variant(-4105));
}

TEST_F(LateBound, WritesOfSeveralPagesToOneTargetApplyTogether) {
    const ObjectRef range = At("A1:B4");
    range.Put("WrapText", true);
    range.Get("Interior").ToObject().Put("Pattern", 9);
    Border(range, 12).Put("LineStyle", -4115);
    range.Get("Control").ToObject().Put("Name", "Button");
    EXPECT_EQ(range.Get("WrapText"), Variant(false));
    range.Call("Apply");
    EXPECT_EQ(range.Get("WrapText"), Variant(true));
    EXPECT_EQ(range.Get("Interior").Get("Pattern"), Variant(9));
    EXPECT_EQ(Border(range, 12).Get("LineStyle"), Variant(-4115));
    EXPECT_EQ(Border(range, 8).Get("LineStyle"), Variant(-4142));
    EXPECT_EQ(range.Get("Control").Get("Name"), Variant("Button"));
    // A second apply with nothing staged changes nothing.
    const uint64_t version = sheet->Store().Version();
    range.Call("Apply");
    EXPECT_EQ(sheet->Store().Version(), version);
}

TEST_F(LateBound, UndoneFormatsReadBackThroughRangesMadeBefore) {
    const ObjectRef range = At("C1:C3");
    EXPECT_EQ(range.Get("Font").Get("Bold"), Variant(false)); // read once, kept by the range
    app->BeginUndoGroup("Bold");
    range.Get("Font").ToObject().Put("Bold", true);
    range.Call("Apply");
    app->EndUndoGroup();
    EXPECT_EQ(range.Get("Font").Get("Bold"), Variant(true));
    app->Undo();
    EXPECT_EQ(range.Get("Font").Get("Bold"), Variant(false));
    app->Redo();
    EXPECT_EQ(range.Get("Font").Get("Bold"), Variant(true));
}

TEST_F(LateBound, StylesNoLongerUsedAreReclaimedOnlyWhenNothingRefersToThem) {
    StyleTable& table = *book->Styles();
    for (int i = 0; i < 40; ++i) {
        ApplyFont("A1", "Size", 8 + i);
    }
    const size_t grown = table.RecordCount();
    EXPECT_GE(grown, 40u);
    table.CollectIfAbove(0);
    EXPECT_EQ(table.RecordCount(), book->StylesInUse());
    EXPECT_EQ(At("A1").Get("Font").Get("Size"), Variant(47.0));
    ApplyFont("A2", "Size", 47); // found again, not stored twice
    EXPECT_EQ(table.RecordCount(), book->StylesInUse());
}

} // namespace
