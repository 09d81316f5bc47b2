#include "ModelTestSupport.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::model;
using namespace vantor::model::test;

namespace {

class CellObjects : public ::testing::Test, protected ModelFixture {
protected:
    void ApplyInterior(const std::string& address,
                       std::initializer_list<std::pair<const char*, Variant>> writes) const {
        const ObjectRef range = At(address);
        for (const auto& [name, value] : writes) {
            range.Get("Interior").ToObject().Put(name, value);
        }
        range.Call("Apply");
    }
    Variant Fill(const std::string& address, const char* name) const {
        return At(address).Get("Interior").Get(name);
    }
};

TEST_F(CellObjects, NotesAreNothingUntilACellHasOneAndTheirTextCanBeCleared) {
    const ObjectRef block = At("B2:D4");
    EXPECT_TRUE(block.Get("Comment").IsNothing());
    EXPECT_EQ(ErrorOf([&] { block.Get("Comment").Get("Text"); }), 91);
    const Variant added = At("C3").Call("AddComment", "first");
    EXPECT_EQ(added.Get("Text"), Variant("first"));
    At("C3").Call("AddComment", "second"); // a new note replaces the old
    EXPECT_EQ(At("C3").Get("Comment").Get("Text"), Variant("second"));
    At("D4").Call("AddComment");
    EXPECT_EQ(At("D4").Get("Comment").Get("Text"), Variant(""));
    EXPECT_TRUE(block.Get("Comment").Get("Text").IsNull());
    // Null written keeps every note; an empty text keeps the note.
    block.Get("Comment").ToObject().Put("Text", Variant::Null());
    EXPECT_EQ(At("C3").Get("Comment").Get("Text"), Variant("second"));
    At("C3").Get("Comment").ToObject().Put("Text", "");
    EXPECT_FALSE(At("C3").Get("Comment").IsNothing());
    At("B2:C3").Call("ClearComments");
    EXPECT_TRUE(At("C3").Get("Comment").IsNothing());
    EXPECT_FALSE(block.Get("Comment").IsNothing()); // D4 keeps its note
}

TEST_F(CellObjects, ControlKindsAreKeptWithTheirHidingAndNullKeepsEachCells) {
    const ObjectRef range = At("D1:D3");
    const ObjectRef control = range.Get("Control").ToObject();
    // Hiding means nothing without a control: it is not kept.
    control.Put("HideOnDeactivate", true);
    range.Call("Apply");
    EXPECT_EQ(control.Get("HideOnDeactivate"), Variant(false));
    EXPECT_EQ(control.Get("Name"), Variant(""));
    control.Put("Name", " spinbutton ");
    control.Put("HideOnDeactivate", true);
    range.Call("Apply");
    EXPECT_EQ(range.Get("Control").Get("Name"), Variant("SpinButton"));
    EXPECT_EQ(range.Get("Control").Get("HideOnDeactivate"), Variant(true));
    const ObjectRef d2 = At("D2");
    d2.Get("Control").ToObject().Put("Name", "DatePicker");
    d2.Call("Apply");
    EXPECT_TRUE(range.Get("Control").Get("Name").IsNull());
    EXPECT_EQ(range.Get("Control").Get("HideOnDeactivate"), Variant(true));
    control.Put("Name", Variant::Null());
    control.Put("HideOnDeactivate", false);
    range.Call("Apply");
    EXPECT_EQ(At("D1").Get("Control").Get("Name"), Variant("SpinButton"));
    EXPECT_EQ(At("D2").Get("Control").Get("Name"), Variant("DatePicker"));
    EXPECT_EQ(range.Get("Control").Get("HideOnDeactivate"), Variant(false));
    // An empty value removes the control.
    control.Put("Name", Variant());
    range.Call("Apply");
    EXPECT_EQ(range.Get("Control").Get("Name"), Variant(""));
    EXPECT_EQ(range.Get("Control").Get("HideOnDeactivate"), Variant(false));
    EXPECT_EQ(ErrorOf([&] { control.Put("Name", 3); }), 1004);
    EXPECT_EQ(ErrorOf([&] { control.Put("Name", "Slider"); }), 1004);
}

TEST_F(CellObjects, ReadOnlyIsWrittenAtOnceWithoutApplyingWhatIsStaged) {
    const ObjectRef range = At("A1:B2");
    range.Put("WrapText", true);
    range.Put("ReadOnly", true);
    EXPECT_EQ(range.Get("ReadOnly"), Variant(true));
    EXPECT_EQ(range.Get("WrapText"), Variant(false));
    range.Call("Apply");
    EXPECT_EQ(range.Get("WrapText"), Variant(true));
    EXPECT_EQ(range.Get("ReadOnly"), Variant(true)); // the apply does not undo it
    At("B2").Put("ReadOnly", false);
    EXPECT_TRUE(range.Get("ReadOnly").IsNull());
    range.Put("ReadOnly", Variant::Null());
    EXPECT_EQ(At("A1").Get("ReadOnly"), Variant(true));
    EXPECT_EQ(At("B2").Get("ReadOnly"), Variant(false));
    ObjectRef(sheet->Cells()).Put("ReadOnly", true);
    EXPECT_EQ(At("XFD1048576").Get("ReadOnly"), Variant(true));
}

TEST_F(CellObjects, UnderlineStylesIncludeTheAccountingOnesAndMixedReadNull) {
    ApplyFont("A2", "Underline", true);
    ApplyFont("A3", "Underline", 4);
    EXPECT_EQ(At("A2").Get("Font").Get("Underline"), Variant(2));
    EXPECT_TRUE(At("A2:A3").Get("Font").Get("Underline").IsNull());
    ApplyFont("A2:A3", "Underline", Variant::Null());
    EXPECT_EQ(At("A3").Get("Font").Get("Underline"), Variant(4));
    ApplyFont("A2:A3", "Underline", false);
    EXPECT_EQ(At("A2:A3").Get("Font").Get("Underline"), Variant(-4142));
}

TEST_F(CellObjects, FontColourKeepsItsExactValueWhileItsIndexIsTheNearest) {
    ApplyFont("A1", "color", 250); // nearly red: the nearest palette entry
    EXPECT_EQ(At("A1").Get("Font").Get("color"), Variant(250));
    EXPECT_EQ(At("A1").Get("Font").Get("ColorIndex"), Variant(3));
    ApplyFont("A1", "ColorIndex", 3);
    EXPECT_EQ(At("A1").Get("Font").Get("color"), Variant(255));
    ApplyFont("A1", "ColorIndex", -4105);
    EXPECT_EQ(At("A1").Get("Font").Get("ColorIndex"), Variant(-4105));
    // Black given is not automatic, though both read black.
    ApplyFont("A2", "color", 0);
    EXPECT_EQ(At("A2").Get("Font").Get("ColorIndex"), Variant(1));
    EXPECT_TRUE(At("A2:A3").Get("Font").Get("ColorIndex").IsNull());
    // Every palette index reads back as itself unless an earlier entry has its colour.
    for (int32_t i = 1; i <= 56; ++i) {
        ApplyFont("B1", "ColorIndex", i);
        EXPECT_LE(At("B1").Get("Font").Get("ColorIndex").ToLong(), i);
    }
}

TEST_F(CellObjects, PatternsKeepTheirColoursAndNoPatternForgetsThem) {
    // A pattern with its colour on a cell without fill; the cell's colour stays automatic.
    ApplyInterior("A1", {{"Pattern", 9}, {"PatternColorIndex", 3}});
    EXPECT_EQ(Fill("A1", "Pattern"), Variant(9));
    EXPECT_EQ(Fill("A1", "PatternColor"), Variant(255));
    EXPECT_EQ(Fill("A1", "ColorIndex"), Variant(-4105));
    EXPECT_EQ(Fill("A1", "color"), Variant(16777215));
    // A colour given to a patterned cell keeps its pattern.
    ApplyInterior("A1", {{"color", 65535}});
    EXPECT_EQ(Fill("A1", "Pattern"), Variant(9));
    EXPECT_EQ(Fill("A1", "color"), Variant(65535));
    // A pattern and a colour given together keep the pattern.
    ApplyInterior("A2", {{"color", 65280}, {"Pattern", 17}});
    EXPECT_EQ(Fill("A2", "Pattern"), Variant(17));
    EXPECT_EQ(Fill("A2", "color"), Variant(65280));
    // Automatic colour on a cell without fill does not make one.
    ApplyInterior("A3", {{"ColorIndex", -4105}});
    EXPECT_EQ(Fill("A3", "Pattern"), Variant(-4142));
    // No pattern forgets both colours, so a later solid fill starts plain.
    ApplyInterior("A1:A2", {{"Pattern", -4142}});
    EXPECT_EQ(Fill("A1:A2", "ColorIndex"), Variant(-4105));
    EXPECT_EQ(Fill("A1:A2", "PatternColorIndex"), Variant(-4105));
    ApplyInterior("A1", {{"Pattern", 1}});
    EXPECT_EQ(Fill("A1", "color"), Variant(16777215));
    EXPECT_EQ(Fill("A1", "PatternColor"), Variant(0));
    // Mixed fills read Null and Null written keeps them.
    ApplyInterior("B1", {{"color", 255}});
    ApplyInterior("B2", {{"Pattern", 15}});
    EXPECT_TRUE(Fill("B1:B2", "Pattern").IsNull());
    EXPECT_TRUE(Fill("B1:B2", "color").IsNull());
    ApplyInterior(
        "B1:B2",
        {{"Pattern", Variant::Null()}, {"color", Variant::Null()}, {"PatternColorIndex", 5}});
    EXPECT_EQ(Fill("B1", "Pattern"), Variant(1));
    EXPECT_EQ(Fill("B1", "color"), Variant(255));
    EXPECT_EQ(Fill("B2", "Pattern"), Variant(15));
    EXPECT_EQ(Fill("B1:B2", "PatternColor"), Variant(16711680));
}

TEST_F(CellObjects, NoColourWrittenAsADoubleRemovesTheLineAndTheFill) {
    const ObjectRef range = At("A1:B2");
    const ObjectRef interior = range.Get("Interior").ToObject();
    const ObjectRef border = Border(range, 12);
    Apply("A1:B2", "WrapText", true);
    border.Put("LineStyle", 1);
    interior.Put("Pattern", 1);
    range.Call("Apply");
    border.Put("ColorIndex", -4142.0);
    interior.Put("ColorIndex", -4142.0);
    range.Call("Apply");
    EXPECT_EQ(border.Get("LineStyle"), Variant(-4142));
    EXPECT_EQ(border.Get("ColorIndex"), Variant(-4105));
    EXPECT_EQ(interior.Get("Pattern"), Variant(-4142));
    EXPECT_EQ(interior.Get("ColorIndex"), Variant(-4105));
    EXPECT_EQ(range.Get("WrapText"), Variant(true));
}

TEST_F(CellObjects, FittingGrowsWithContentAndLeavesEmptyRowsAndColumnsAtTheirDefaults) {
    const double height = At("A1").Get("RowHeight").ToDouble();
    const double width = At("A1").Get("ColumnWidth").ToDouble();
    At("B2").Put("Value", "short");
    At("B3").Put("Value", "short");
    ApplyFont("B3", "Size", 24);
    At("B4").Put("Value", std::string(40, 'x'));
    Apply("B4", "WrapText", true);
    At("B5").Put("Value", "one\ntwo\nthree");
    Apply("B5", "WrapText", true);
    At("A1:C6").Call("AutoFitRowsHeight");
    EXPECT_EQ(At("B1").Get("RowHeight"), Variant(height));
    EXPECT_EQ(At("B2").Get("RowHeight"), Variant(height));
    EXPECT_GT(At("B3").Get("RowHeight").ToDouble(), height * 1.8);
    EXPECT_GE(At("B4").Get("RowHeight").ToDouble(), height * 4);
    EXPECT_EQ(At("B5").Get("RowHeight"), Variant(height * 3));
    // A height given by hand to an empty row goes back to the default.
    At("7:7").Put("RowHeight", 50);
    At("7:7").Call("AutoFitRowsHeight");
    EXPECT_EQ(At("A7").Get("RowHeight"), Variant(height));

    At("A1:C6").Call("AutoFitColsWidth");
    EXPECT_EQ(At("C1").Get("ColumnWidth"), Variant(width)); // empty column
    // The big "short" is the widest unwrapped text of column B.
    const double big = At("B1").Get("ColumnWidth").ToDouble();
    EXPECT_GT(big, 5 * 24.0 / 11.0);
    EXPECT_LT(big, 20.0); // the wrapped long text does not widen it
    EXPECT_TRUE(At("A1:B1").Get("ColumnWidth").IsNull());
    // Fitting only widens: a block of narrower texts keeps what the others need.
    At("B2").Call("AutoFitColsWidth");
    EXPECT_EQ(At("B1").Get("ColumnWidth"), Variant(big));
    At("B:B").Put("ColumnWidth", 1);
    At("B2").Call("AutoFitColsWidth");
    EXPECT_LT(At("B1").Get("ColumnWidth").ToDouble(), big);
    EXPECT_GT(At("B1").Get("ColumnWidth").ToDouble(), 5.0);
}

TEST_F(CellObjects, CellsHoldingAnEmptyTextFitLikeEmptyCells) {
    const double height = At("A1").Get("RowHeight").ToDouble();
    const double width = At("A1").Get("ColumnWidth").ToDouble();
    At("B2").Put("Value", "");
    ApplyFont("B2", "Size", 30);
    At("B2").Call("AutoFitColsWidth");
    At("B2").Call("AutoFitRowsHeight");
    EXPECT_EQ(At("B2").Get("ColumnWidth"), Variant(width));
    EXPECT_EQ(At("B2").Get("RowHeight"), Variant(height));
    // Beside a text, the empty one does not count either.
    At("B3").Put("Value", "abc");
    At("B:B").Put("ColumnWidth", 1);
    At("B2:B3").Call("AutoFitColsWidth");
    EXPECT_LT(At("B2").Get("ColumnWidth").ToDouble(), width);
    EXPECT_GT(At("B2").Get("ColumnWidth").ToDouble(), 3.0);
}

TEST_F(CellObjects, FittingStopsAtTheLargestRowHeightAndColumnWidth) {
    At("A1").Put("Value", std::string(2000, 'w'));
    ApplyFont("A1", "Size", 72);
    At("A1").Call("AutoFitColsWidth");
    EXPECT_EQ(At("A1").Get("ColumnWidth"), Variant(255.0));
    Apply("A1", "WrapText", true);
    At("A1").Call("AutoFitRowsHeight");
    EXPECT_EQ(At("A1").Get("RowHeight"), Variant(409.0));
    EXPECT_EQ(ErrorOf([&] { At("A1").Put("RowHeight", 409.5); }), 1004);
    EXPECT_EQ(ErrorOf([&] { At("A1").Put("ColumnWidth", -1); }), 1004);
    EXPECT_EQ(ErrorOf([&] { At("A1").Put("ColumnWidth", 256); }), 1004);
    At("A1").Put("RowHeight", 0); // hidden
    EXPECT_EQ(At("A1").Get("RowHeight"), Variant(0.0));
}

} // namespace
