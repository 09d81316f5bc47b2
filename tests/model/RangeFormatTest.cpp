#include "ModelTestSupport.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::model;
using namespace vantor::model::test;

namespace {

class RangeFormat : public ::testing::Test, protected ModelFixture {};

TEST_F(RangeFormat, NewWorkbookReadsItsDefaultsWithTheTypesThePagesMatch) {
    const ObjectRef range = At("A1:C3");
    EXPECT_EQ(range.Get("NumberFormat"), Variant(""));
    EXPECT_EQ(range.Get("HorizontalAlignment"), Variant(1));
    EXPECT_EQ(range.Get("VerticalAlignment"), Variant(-4107));
    EXPECT_EQ(range.Get("WrapText"), Variant(false));
    EXPECT_EQ(range.Get("ReadOnly"), Variant(false));
    const ObjectRef font = range.Get("Font").ToObject();
    EXPECT_EQ(font.Get("Name"), Variant("Liberation Sans"));
    EXPECT_EQ(font.Get("Size"), Variant(11.0));
    EXPECT_EQ(font.Get("Bold"), Variant(false));
    EXPECT_EQ(font.Get("Underline"), Variant(-4142));
    EXPECT_EQ(font.Get("ColorIndex"), Variant(-4105));
    const ObjectRef interior = range.Get("Interior").ToObject();
    EXPECT_EQ(interior.Get("Pattern"), Variant(-4142));
    EXPECT_EQ(interior.Get("ColorIndex"), Variant(-4105));
    EXPECT_EQ(interior.Get("PatternColorIndex"), Variant(-4105));
    const ObjectRef top = Border(range, 8);
    EXPECT_EQ(top.Get("LineStyle"), Variant(-4142));
    EXPECT_EQ(top.Get("Weight"), Variant(2));
    EXPECT_EQ(top.Get("ColorIndex"), Variant(-4105));
    EXPECT_TRUE(range.Get("Comment").IsNothing());
    EXPECT_EQ(range.Get("Control").Get("Name"), Variant(""));
    EXPECT_EQ(range.Get("ApplyCache"), Variant(0));
}

TEST_F(RangeFormat, EverySheetOfEveryNewWorkbookIsPlainThroughout) {
    const auto second = app->AddWorkbook("Book2");
    for (const auto& each : {book->Sheet(2), second->Sheet(0)}) {
        const ObjectRef all(each->Cells());
        EXPECT_EQ(all.Get("NumberFormat"), Variant(""));
        EXPECT_EQ(all.Get("HorizontalAlignment"), Variant(1));
        EXPECT_EQ(all.Get("VerticalAlignment"), Variant(-4107));
        EXPECT_EQ(all.Get("WrapText"), Variant(false));
        EXPECT_EQ(all.Get("ReadOnly"), Variant(false));
        const ObjectRef font = all.Get("Font").ToObject();
        EXPECT_EQ(font.Get("Name"), Variant(app->DefaultFontName()));
        EXPECT_EQ(font.Get("Size"), Variant(11.0));
        for (const char* flag : {"Bold", "Italic", "Strikethrough"}) {
            EXPECT_EQ(font.Get(flag), Variant(false)) << flag;
        }
        EXPECT_EQ(font.Get("color"), Variant(0));
        const ObjectRef interior = all.Get("Interior").ToObject();
        EXPECT_EQ(interior.Get("color"), Variant(16777215));
        EXPECT_EQ(interior.Get("PatternColor"), Variant(0));
        EXPECT_EQ(interior.Get("Pattern"), Variant(-4142));
        for (const Variant& border : all.Get("Borders").ToObject().Enumerate()) {
            EXPECT_EQ(border.Get("LineStyle"), Variant(-4142));
            EXPECT_EQ(border.Get("Weight"), Variant(2));
            EXPECT_EQ(border.Get("color"), Variant(0));
            EXPECT_EQ(border.Get("ColorIndex"), Variant(-4105));
        }
        EXPECT_TRUE(all.Get("Comment").IsNothing());
        EXPECT_EQ(all.Get("Control").Get("Name"), Variant(""));
        EXPECT_EQ(all.Get("Control").Get("HideOnDeactivate"), Variant(false));
        EXPECT_TRUE(all.Get("Value").IsEmpty());
        const ObjectRef view(each);
        EXPECT_EQ(view.Get("DisplayHeadings"), Variant(true));
        EXPECT_EQ(view.Get("DisplayGridlines"), Variant(true));
        EXPECT_EQ(view.Get("GridlineColor"), Variant(12632256));
    }
    EXPECT_EQ(ObjectRef(second).Get("CommentMode"), Variant(2));
    EXPECT_EQ(ObjectRef(second).Get("MaxChange"), Variant(0.001));
    EXPECT_FALSE(app->CanUndo()); // making workbooks is no undo step
}

TEST_F(RangeFormat, StagedWritesShowOnlyAfterApplyAndThenForEveryCell) {
    const ObjectRef range = At("B2:D4");
    range.Put("HorizontalAlignment", -4108);
    range.Get("Font").ToObject().Put("Bold", true);
    EXPECT_EQ(range.Get("HorizontalAlignment"), Variant(1));
    EXPECT_EQ(At("C3").Get("Font").Get("Bold"), Variant(false));
    range.Call("Apply");
    EXPECT_EQ(range.Get("HorizontalAlignment"), Variant(-4108));
    EXPECT_EQ(At("D4").Get("HorizontalAlignment"), Variant(-4108));
    EXPECT_EQ(At("B2").Get("Font").Get("Bold"), Variant(true));
    EXPECT_EQ(At("E4").Get("HorizontalAlignment"), Variant(1));
    EXPECT_EQ(At("B1").Get("Font").Get("Bold"), Variant(false));
}

TEST_F(RangeFormat, DifferingCellsReadNullAndNullWrittenKeepsEachCell) {
    ApplyFont("A1", "Size", 14);
    ApplyFont("A2", "color", 255);
    const ObjectRef range = At("A1:A2");
    EXPECT_TRUE(range.Get("Font").Get("Size").IsNull());
    EXPECT_TRUE(range.Get("Font").Get("color").IsNull());
    EXPECT_TRUE(range.Get("Font").Get("ColorIndex").IsNull());
    EXPECT_EQ(range.Get("Font").Get("Name"), Variant("Liberation Sans"));

    const ObjectRef font = range.Get("Font").ToObject();
    font.Put("Size", Variant::Null());
    font.Put("color", Variant::Null());
    font.Put("Italic", true);
    range.Call("Apply");
    EXPECT_EQ(At("A1").Get("Font").Get("Size"), Variant(14.0));
    EXPECT_EQ(At("A2").Get("Font").Get("Size"), Variant(11.0));
    EXPECT_EQ(At("A2").Get("Font").Get("color"), Variant(255));
    EXPECT_EQ(At("A1").Get("Font").Get("ColorIndex"), Variant(-4105));
    EXPECT_EQ(range.Get("Font").Get("Italic"), Variant(true));
}

TEST_F(RangeFormat, RefusedValuesRaiseAndLeaveNothingStaged) {
    const ObjectRef range = At("A1");
    const ObjectRef font = range.Get("Font").ToObject();
    EXPECT_EQ(ErrorOf([&] { range.Put("HorizontalAlignment", 3); }), 1004);
    EXPECT_EQ(ErrorOf([&] { range.Put("VerticalAlignment", 1); }), 1004);
    EXPECT_EQ(ErrorOf([&] { range.Put("HorizontalAlignment", "left"); }), 13);
    EXPECT_EQ(ErrorOf([&] { font.Put("Size", 0); }), 1004);
    EXPECT_EQ(ErrorOf([&] { font.Put("Size", 410); }), 1004);
    EXPECT_EQ(ErrorOf([&] { font.Put("Name", "   "); }), 1004);
    EXPECT_EQ(ErrorOf([&] { font.Put("color", 16777216); }), 1004);
    EXPECT_EQ(ErrorOf([&] { font.Put("ColorIndex", 57); }), 1004);
    EXPECT_EQ(ErrorOf([&] { font.Put("Underline", 3); }), 1004);
    EXPECT_EQ(ErrorOf([&] { range.Get("Interior").ToObject().Put("Pattern", 99); }), 1004);
    EXPECT_EQ(ErrorOf([&] { range.Put("NumberFormat", std::string(256, '0')); }), 1004);
    EXPECT_EQ(ErrorOf([&] { range.Put("ApplyCache", -1); }), 1004);
    range.Call("Apply");
    EXPECT_EQ(range.Get("HorizontalAlignment"), Variant(1));
    EXPECT_EQ(range.Get("Font").Get("Size"), Variant(11.0));
}

TEST_F(RangeFormat, UnderlineReadsItsStyleAndTakesBooleans) {
    ApplyFont("A1", "Underline", true);
    EXPECT_EQ(At("A1").Get("Font").Get("Underline"), Variant(2));
    ApplyFont("A1", "Underline", -4119);
    EXPECT_EQ(At("A1").Get("Font").Get("Underline"), Variant(-4119));
    ApplyFont("A1", "Underline", 5);
    EXPECT_EQ(At("A1").Get("Font").Get("Underline"), Variant(5));
    ApplyFont("A1", "Underline", false);
    EXPECT_EQ(At("A1").Get("Font").Get("Underline"), Variant(-4142));
}

TEST_F(RangeFormat, ColoursAndColourIndexesFollowEachOther) {
    ApplyFont("A1", "ColorIndex", 3);
    EXPECT_EQ(At("A1").Get("Font").Get("color"), Variant(255));
    ApplyFont("A1", "color", 250); // nearly red: the nearest palette entry
    EXPECT_EQ(At("A1").Get("Font").Get("ColorIndex"), Variant(3));
    ApplyFont("A1", "ColorIndex", -4105);
    EXPECT_EQ(At("A1").Get("Font").Get("ColorIndex"), Variant(-4105));
    EXPECT_EQ(At("A1").Get("Font").Get("color"), Variant(0));
}

TEST_F(RangeFormat, FillColourOnCellsWithoutFillMakesItSolidAndNoColourRemovesIt) {
    const ObjectRef range = At("A1:B2");
    range.Get("Interior").ToObject().Put("color", 65535);
    range.Call("Apply");
    EXPECT_EQ(range.Get("Interior").Get("Pattern"), Variant(1));
    EXPECT_EQ(range.Get("Interior").Get("color"), Variant(65535));

    const ObjectRef hatched = At("C1");
    hatched.Get("Interior").ToObject().Put("Pattern", 15);
    hatched.Get("Interior").ToObject().Put("PatternColorIndex", 5);
    hatched.Call("Apply");
    EXPECT_EQ(hatched.Get("Interior").Get("Pattern"), Variant(15));
    EXPECT_EQ(hatched.Get("Interior").Get("PatternColor"), Variant(16711680));

    range.Get("Interior").ToObject().Put("ColorIndex", -4142);
    range.Call("Apply");
    EXPECT_EQ(range.Get("Interior").Get("Pattern"), Variant(-4142));
    EXPECT_EQ(range.Get("Interior").Get("ColorIndex"), Variant(-4105));
}

TEST_F(RangeFormat, GeneralIsStoredAsTheEmptyCodeAndMixedFormatsReadNull) {
    Apply("A1", "NumberFormat", "0.00");
    Apply("A2", "NumberFormat", "GENERAL");
    EXPECT_EQ(At("A1").Get("NumberFormat"), Variant("0.00"));
    EXPECT_EQ(At("A2").Get("NumberFormat"), Variant(""));
    EXPECT_TRUE(At("A1:A2").Get("NumberFormat").IsNull());
    EXPECT_EQ(ErrorOf([&] { At("A1").Put("NumberFormat", 5); }), 13);
}

TEST_F(RangeFormat, ReadOnlyTakesEffectAtOnce) {
    At("A1:A3").Put("ReadOnly", true);
    EXPECT_EQ(At("A2").Get("ReadOnly"), Variant(true));
    EXPECT_TRUE(At("A3:A4").Get("ReadOnly").IsNull());
}

TEST_F(RangeFormat, ApplyCacheCountsThePagesStillToApply) {
    const ObjectRef range = At("A1");
    range.Put("ApplyCache", range.Get("ApplyCache").ToLong() + 1);
    range.Put("ApplyCache", range.Get("ApplyCache").ToLong() + 1);
    EXPECT_EQ(range.Get("ApplyCache"), Variant(2));
    range.Call("Apply");
    EXPECT_EQ(range.Get("ApplyCache"), Variant(1));
    range.Call("Apply");
    range.Call("Apply");
    EXPECT_EQ(range.Get("ApplyCache"), Variant(0));
}

TEST_F(RangeFormat, SubObjectsAreTheSameOnEveryGetAndWriteToTheirRange) {
    const ObjectRef range = At("A1:B2");
    const Variant font = range.Get("Font");
    EXPECT_EQ(range.Get("Font"), font);
    const ObjectRef borders = range.Get("Borders").ToObject();
    EXPECT_EQ(borders.Call("Item", 8), borders.Call("Item", 8));
    font.ToObject().Put("name", "Noto Serif"); // names without regard to case
    range.Call("Apply");
    EXPECT_EQ(At("B2").Get("Font").Get("Name"), Variant("Noto Serif"));
}

TEST_F(RangeFormat, WholeSheetAndWholeColumnRangesFormatEveryCell) {
    Apply("C:C", "WrapText", true);
    EXPECT_EQ(At("C1048576").Get("WrapText"), Variant(true));
    EXPECT_EQ(At("D1").Get("WrapText"), Variant(false));
    EXPECT_TRUE(ObjectRef(sheet->Cells()).Get("WrapText").IsNull());
    const ObjectRef all(sheet->Cells());
    all.Put("WrapText", false);
    all.Put("VerticalAlignment", -4160);
    all.Call("Apply");
    EXPECT_EQ(all.Get("WrapText"), Variant(false));
    EXPECT_EQ(At("XFD1048576").Get("VerticalAlignment"), Variant(-4160));
}

TEST_F(RangeFormat, ControlsOfferTheKindsAndCellsCarryOne) {
    const ObjectRef range = At("B2:B3");
    const ObjectRef kinds = range.Get("Controls").ToObject();
    EXPECT_GE(kinds.Get("Count").ToLong(), 5);
    std::vector<std::string> names;
    for (const Variant& kind : kinds.Enumerate()) {
        names.push_back(kind.Get("Name").ToString());
        EXPECT_FALSE(kind.Get("Caption").ToString().empty());
        EXPECT_FALSE(kind.Get("Description").ToString().empty());
    }
    EXPECT_EQ(kinds.Call("Item", names[1]).Get("Name"), Variant(names[1]));

    const ObjectRef control = range.Get("Control").ToObject();
    control.Put("Name", "checkbox");
    control.Put("HideOnDeactivate", true);
    range.Call("Apply");
    EXPECT_EQ(At("B3").Get("Control").Get("Name"), Variant("CheckBox"));
    EXPECT_EQ(At("B2").Get("Control").Get("HideOnDeactivate"), Variant(true));
    EXPECT_TRUE(At("B3:B4").Get("Control").Get("Name").IsNull());
    EXPECT_EQ(ErrorOf([&] { control.Put("Name", "Slider"); }), 1004);

    control.Put("Name", "");
    range.Call("Apply");
    EXPECT_EQ(range.Get("Control").Get("Name"), Variant(""));
    EXPECT_EQ(range.Get("Control").Get("HideOnDeactivate"), Variant(false));
}

TEST_F(RangeFormat, NotesAreNothingWithoutAnyAndTheirTextIsShared) {
    EXPECT_TRUE(At("A1:C3").Get("Comment").IsNothing());
    At("A1").Call("AddComment", "first");
    At("C3").Call("AddComment", "second");
    EXPECT_EQ(At("A1").Get("Comment").Get("Text"), Variant("first"));
    const Variant both = At("A1:C3").Get("Comment");
    EXPECT_TRUE(both.Get("Text").IsNull());
    both.ToObject().Put("Text", "same");
    EXPECT_EQ(At("C3").Get("Comment").Get("Text"), Variant("same"));
    EXPECT_TRUE(At("B2").Get("Comment").IsNothing()); // writing the text creates no note
}

TEST_F(RangeFormat, ValueIsTheFirstCellsAndWritesFillTheRange) {
    At("B2:C3").Put("Value", 42);
    EXPECT_EQ(At("C3:D9").Get("Value"), Variant(42));
    EXPECT_TRUE(At("D4").Get("Value").IsEmpty());
    At("B2").Put("Value", Variant());
    EXPECT_TRUE(At("B2").Get("Value").IsEmpty());
    EXPECT_EQ(ErrorOf([&] { ObjectRef(sheet->Cells()).Put("Value", 1); }), 1004);
}

TEST_F(RangeFormat, FittingFollowsFontSizeWrappingAndTextLength) {
    const double plainHeight = At("A1").Get("RowHeight").ToDouble();
    const double plainWidth = At("A1").Get("ColumnWidth").ToDouble();
    At("A1").Put("Value", "a fairly long text that needs several lines");
    ApplyFont("A1", "Size", 22);
    At("A1").Call("AutoFitColsWidth");
    const double wide = At("A1").Get("ColumnWidth").ToDouble();
    EXPECT_GT(wide, plainWidth * 4);
    At("A1").Put("ColumnWidth", plainWidth);
    Apply("A1", "WrapText", true);
    At("A1").Call("AutoFitRowsHeight");
    const double wrapped = At("A1").Get("RowHeight").ToDouble();
    EXPECT_GT(wrapped, plainHeight * 5);
    At("A1").Call("AutoFitColsWidth"); // wrapped text does not widen its column
    EXPECT_EQ(At("A1").Get("ColumnWidth"), Variant(plainWidth));
    At("A1").Put("Value", Variant());
    At("A1:A2").Call("AutoFitRowsHeight");
    EXPECT_EQ(At("A1").Get("RowHeight"), Variant(plainHeight));
    At("B1").Put("ColumnWidth", 20);
    EXPECT_TRUE(At("A1:B1").Get("ColumnWidth").IsNull());
    EXPECT_EQ(ErrorOf([&] { At("B1").Put("ColumnWidth", 256); }), 1004);
}

} // namespace
