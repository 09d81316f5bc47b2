#include "ModelTestSupport.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::model;
using namespace vantor::model::test;

namespace {

class WholeSheet : public ::testing::Test, protected ModelFixture {
protected:
    ObjectRef all{sheet->Cells()};
};

TEST_F(WholeSheet, BordersOfTheWholeSheetReachItsFourEdgesAndEveryInsideLine) {
    const int32_t styles[] = {1, -4115, 4, 5, -4118, -4119}; // for 7 to 12
    for (int32_t index = 7; index <= 12; ++index) {
        Border(all, index).Put("LineStyle", styles[index - 7]);
    }
    all.Call("Apply");
    for (int32_t index = 7; index <= 12; ++index) {
        EXPECT_EQ(Border(all, index).Get("LineStyle"), Variant(styles[index - 7])) << index;
    }
    EXPECT_EQ(LineStyle("A1", 7), Variant(1));
    EXPECT_EQ(LineStyle("A1", 8), Variant(-4115));
    EXPECT_EQ(LineStyle("XFD1048576", 9), Variant(4));
    EXPECT_EQ(LineStyle("XFD1048576", 10), Variant(5));
    EXPECT_EQ(LineStyle("A1048576", 9), Variant(4));
    EXPECT_EQ(LineStyle("XFD1", 10), Variant(5));
    // Inside lines are the near edges of every cell but the first row and column.
    EXPECT_EQ(LineStyle("XFD1048576", 7), Variant(-4118));
    EXPECT_EQ(LineStyle("XFD1048576", 8), Variant(-4119));
    EXPECT_EQ(LineStyle("A1", 10), Variant(-4118));
    EXPECT_EQ(LineStyle("A1", 9), Variant(-4119));
    EXPECT_EQ(LineStyle("B:XFD", 7), Variant(-4118));
    EXPECT_EQ(LineStyle("A:B", 10), Variant(-4118));
}

TEST_F(WholeSheet, EdgesOfTheLastRowAndColumnAreSharedWithTheirNeighbours) {
    const ObjectRef lastRow = At("1048576:1048576");
    Border(lastRow, 8).Put("LineStyle", 1);
    lastRow.Call("Apply");
    EXPECT_EQ(LineStyle("C1048575", 9), Variant(1));
    EXPECT_EQ(LineStyle("1048575:1048575", 9), Variant(1));
    const ObjectRef lastColumn = At("XFD:XFD");
    Border(lastColumn, 7).Put("LineStyle", -4115);
    lastColumn.Call("Apply");
    EXPECT_EQ(LineStyle("XFC77", 10), Variant(-4115));
    // Removed from the other side, it is gone from both.
    const ObjectRef before = At("XFC1:XFC1048576");
    Border(before, 10).Put("LineStyle", -4142);
    before.Call("Apply");
    EXPECT_EQ(Border(lastColumn, 7).Get("LineStyle"), Variant(-4142));
    EXPECT_EQ(LineStyle("XFD1048576", 8), Variant(1));
}

TEST_F(WholeSheet, ReadsAndWritesOfTheWholeSheetCostItsRunsNotItsCells) {
    // A few hundred runs; a pass over the sheet's seventeen billion cells
    // would not end within the limit.
    for (int32_t i = 1; i <= 200; ++i) {
        Apply("B" + std::to_string(i * 5000) + ":" + ColumnName(i * 70) + std::to_string(i * 5000),
              "WrapText", true);
    }
    for (int i = 0; i < 20; ++i) {
        all.Get("Font").ToObject().Put("Size", 10 + i);
        all.Call("Apply");
        EXPECT_EQ(all.Get("Font").Get("Size"), Variant(10.0 + i));
        EXPECT_TRUE(all.Get("WrapText").IsNull());
        EXPECT_EQ(Border(all, 12).Get("LineStyle"), Variant(-4142));
    }
    EXPECT_EQ(At("CY500001").Get("WrapText"), Variant(false));
    EXPECT_EQ(At("CZ500000").Get("WrapText"), Variant(true));
    EXPECT_EQ(At("JIG500000").Get("WrapText"), Variant(true));
    EXPECT_EQ(At("JIH500000").Get("WrapText"), Variant(false));
}

// Cells keep values and notes in shared chunks of rows: an edit copies only
// the chunks it touches, so it must leave every earlier undo state as it was.
TEST_F(WholeSheet, ValueNoteAndSizeEditsLeaveEarlierUndoStatesAsTheyWere) {
    At("A1:A3000").Put("Value", 1);
    At("A2000").Call("AddComment", "first");
    app->BeginUndoGroup("Edit");
    At("A1500").Put("Value", 2);
    At("A2000").Get("Comment").Put("Text", "second");
    At("B3").Call("AddComment", "new");
    At("B3").Put("ColumnWidth", 30);
    app->EndUndoGroup();
    app->BeginUndoGroup("Clear");
    At("A1:A1024").Put("Value", Variant());
    app->EndUndoGroup();

    EXPECT_TRUE(At("A1").Get("Value").IsEmpty());
    EXPECT_TRUE(At("A1024").Get("Value").IsEmpty());
    EXPECT_EQ(At("A1025").Get("Value"), Variant(1));
    EXPECT_EQ(At("A1500").Get("Value"), Variant(2));
    app->Undo();
    EXPECT_EQ(At("A1").Get("Value"), Variant(1));
    EXPECT_EQ(At("A1024").Get("Value"), Variant(1));
    EXPECT_EQ(At("A1500").Get("Value"), Variant(2));
    EXPECT_EQ(At("A2000").Get("Comment").Get("Text"), Variant("second"));
    app->Undo();
    EXPECT_EQ(At("A1500").Get("Value"), Variant(1));
    EXPECT_EQ(At("A2000").Get("Comment").Get("Text"), Variant("first"));
    EXPECT_EQ(At("A3000").Get("Value"), Variant(1));
    EXPECT_TRUE(At("A3001").Get("Value").IsEmpty());
    EXPECT_TRUE(At("A1999").Get("Comment").IsNothing());
    EXPECT_TRUE(At("B3").Get("Comment").IsNothing());
    EXPECT_EQ(At("B3").Get("ColumnWidth"), Variant(8.43));
    app->Redo();
    app->Redo();
    EXPECT_EQ(At("A1500").Get("Value"), Variant(2));
    EXPECT_TRUE(At("A1000").Get("Value").IsEmpty());
    EXPECT_EQ(At("A2000").Get("Comment").Get("Text"), Variant("second"));
}

TEST_F(WholeSheet, NotesValuesAndSizesAtTheSheetsEdges) {
    At("XFD1048576").Put("Value", "last");
    At("XFD1048576").Call("AddComment", "corner");
    EXPECT_EQ(At("XFD1048576").Get("Value"), Variant("last"));
    EXPECT_EQ(all.Get("Comment").Get("Text"), Variant("corner"));
    EXPECT_EQ(ErrorOf([&] { all.Call("AddComment", "everywhere"); }), 1004);
    // A note's text goes to every cell of the range, so the sheet is too many.
    EXPECT_EQ(ErrorOf([&] { all.Get("Comment").ToObject().Put("Text", "changed"); }), 1004);
    At("XFD1048576").Get("Comment").ToObject().Put("Text", "changed");
    EXPECT_EQ(all.Get("Comment").Get("Text"), Variant("changed"));
    EXPECT_TRUE(At("XFC1048576").Get("Comment").IsNothing());
    all.Call("ClearComments");
    EXPECT_TRUE(all.Get("Comment").IsNothing());

    const double height = all.Get("RowHeight").ToDouble();
    const double width = all.Get("ColumnWidth").ToDouble();
    ApplyFont("XFD1048576", "Size", 30);
    all.Call("AutoFitRowsHeight");
    all.Call("AutoFitColsWidth");
    EXPECT_GT(At("XFD1048576").Get("RowHeight").ToDouble(), height);
    EXPECT_EQ(At("XFD1048575").Get("RowHeight"), Variant(height));
    EXPECT_TRUE(all.Get("RowHeight").IsNull());
    EXPECT_NE(At("XFD1").Get("ColumnWidth"), Variant(width));
    EXPECT_EQ(At("A1:XFC1").Get("ColumnWidth"), Variant(width));
}

} // namespace
