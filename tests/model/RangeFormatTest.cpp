#include "ModelTestSupport.hpp"

#include "model/CellStore.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::model;
using namespace vantor::model::test;

namespace {

class RangeFormat : public ::testing::Test, protected ModelFixture {};

TEST_F(RangeFormat, ObjectsLeadToEachOtherAsThePagesWalkThem) {
    const ObjectRef range = At("B2:C3");
    EXPECT_EQ(range.Get("Application"), Variant(app));
    EXPECT_EQ(range.Get("Worksheet"), Variant(sheet));
    EXPECT_EQ(range.Get("Application").Get("ActiveWorkbook").Get("ActiveSheet"), Variant(sheet));
    EXPECT_EQ(ObjectRef(app).Call("Range", "Sheet3!A1").Get("Worksheet").Get("Index"), Variant(3));
    EXPECT_EQ(range.Get("Row"), Variant(2));
    EXPECT_EQ(range.Get("Column"), Variant(2));
    EXPECT_EQ(ErrorOf([&] { range.Get("NoSuchProperty"); }), 438);
    EXPECT_EQ(ErrorOf([&] { range.Put("Address", "A1"); }), 438);
    // Traces name each object after the cells it formats.
    range.Call("AddComment", "note");
    const std::pair<Variant, std::string> names[] = {
        {range.Get("Font"), "Font(Sheet1!$B$2:$C$3)"},
        {range.Get("Interior"), "Interior(Sheet1!$B$2:$C$3)"},
        {range.Get("Control"), "Control(Sheet1!$B$2:$C$3)"},
        {range.Get("Comment"), "Comment(Sheet1!$B$2:$C$3)"},
        {range.Get("Borders").Call("Item", 11), "Border(Sheet1!$B$2:$C$3,11)"}};
    for (const auto& [object, name] : names) {
        EXPECT_EQ(object.ToObject().get()->DisplayName(), name);
    }
}

TEST_F(RangeFormat, EverySheetOfEveryNewWorkbookIsPlainThroughout) {
    const auto second = app->AddWorkbook("Book2");
    for (const auto& each : {sheet, book->Sheet(2), second->Sheet(0)}) {
        const ObjectRef all(each->Cells());
        EXPECT_EQ(all.Get("NumberFormat"), Variant(""));
        EXPECT_EQ(all.Get("HorizontalAlignment"), Variant(1));
        EXPECT_EQ(all.Get("VerticalAlignment"), Variant(-4107));
        EXPECT_EQ(all.Get("ApplyCache"), Variant(0));
        const ObjectRef font = all.Get("Font").ToObject();
        EXPECT_EQ(font.Get("Name"), Variant("Liberation Sans"));
        EXPECT_EQ(font.Get("Size"), Variant(11.0));
        EXPECT_EQ(font.Get("Underline"), Variant(-4142));
        EXPECT_EQ(font.Get("color"), Variant(0));
        EXPECT_EQ(font.Get("ColorIndex"), Variant(-4105));
        const ObjectRef interior = all.Get("Interior").ToObject();
        EXPECT_EQ(interior.Get("color"), Variant(16777215));
        EXPECT_EQ(interior.Get("ColorIndex"), Variant(-4105));
        EXPECT_EQ(interior.Get("PatternColor"), Variant(0));
        EXPECT_EQ(interior.Get("PatternColorIndex"), Variant(-4105));
        EXPECT_EQ(interior.Get("Pattern"), Variant(-4142));
        const ObjectRef control = all.Get("Control").ToObject();
        EXPECT_EQ(control.Get("Name"), Variant(""));
        EXPECT_EQ(control.Get("HideOnDeactivate"), Variant(false));
        EXPECT_EQ(all.Get("WrapText"), Variant(false));
        EXPECT_EQ(all.Get("ReadOnly"), Variant(false));
        for (const char* flag : {"Bold", "Italic", "Strikethrough"}) {
            EXPECT_EQ(font.Get(flag), Variant(false)) << flag;
        }
        for (const Variant& border : all.Get("Borders").ToObject().Enumerate()) {
            EXPECT_EQ(border.Get("LineStyle"), Variant(-4142));
            EXPECT_EQ(border.Get("Weight"), Variant(2));
            EXPECT_EQ(border.Get("color"), Variant(0));
            EXPECT_EQ(border.Get("ColorIndex"), Variant(-4105));
        }
        EXPECT_TRUE(all.Get("Comment").IsNothing());
        EXPECT_TRUE(all.Get("Value").IsEmpty());
    }
    const ObjectRef workbook(second);
    EXPECT_EQ(workbook.Get("Calculation"), Variant(-4105));
    EXPECT_EQ(workbook.Get("Iteration"), Variant(false));
    EXPECT_EQ(workbook.Get("MaxIterations"), Variant(100));
    EXPECT_EQ(workbook.Get("MaxChange"), Variant(0.001));
    EXPECT_EQ(workbook.Get("CommentMode"), Variant(2));
    for (const char* name : {"DisplayHorizontalScrollBar", "DisplayVerticalScrollBar",
                             "DisplayWorkbookTabs", "DisplayZeros", "DisplayErrors"}) {
        EXPECT_EQ(workbook.Get(name), Variant(true)) << name;
    }
    ObjectRef(book).Put("DisplayZeros", false); // each workbook keeps its own
    EXPECT_EQ(workbook.Get("DisplayZeros"), Variant(true));
    EXPECT_FALSE(app->CanUndo()); // making workbooks is no undo step
}

TEST_F(RangeFormat, StagedWritesOfSeveralPagesShowOnlyAfterApplyAndThenForEveryCell) {
    const ObjectRef range = At("B2:D4");
    range.Put("HorizontalAlignment", -4108);
    range.Get("Font").ToObject().Put("Bold", true);
    range.Get("Interior").ToObject().Put("Pattern", 9);
    Border(range, 12).Put("LineStyle", -4115);
    range.Get("Control").ToObject().Put("Name", "Button");
    EXPECT_EQ(range.Get("HorizontalAlignment"), Variant(1));
    EXPECT_EQ(At("C3").Get("Font").Get("Bold"), Variant(false));
    range.Call("Apply");
    EXPECT_EQ(range.Get("HorizontalAlignment"), Variant(-4108));
    EXPECT_EQ(At("D4").Get("HorizontalAlignment"), Variant(-4108));
    EXPECT_EQ(At("B2").Get("Font").Get("Bold"), Variant(true));
    EXPECT_EQ(range.Get("Interior").Get("Pattern"), Variant(9));
    EXPECT_EQ(Border(range, 12).Get("LineStyle"), Variant(-4115));
    EXPECT_EQ(Border(range, 8).Get("LineStyle"), Variant(-4142));
    EXPECT_EQ(range.Get("Control").Get("Name"), Variant("Button"));
    EXPECT_EQ(At("E4").Get("HorizontalAlignment"), Variant(1));
    EXPECT_EQ(At("B1").Get("Font").Get("Bold"), Variant(false));
    // A second apply with nothing staged changes nothing.
    const uint64_t version = sheet->Store().Version();
    range.Call("Apply");
    EXPECT_EQ(sheet->Store().Version(), version);
}

TEST_F(RangeFormat, DifferingCellsReadNullAndNullWrittenKeepsEachCell) {
    ApplyFont("A2", "color", 255);
    const ObjectRef range = At("A1:A2");
    EXPECT_TRUE(range.Get("Font").Get("color").IsNull());
    EXPECT_TRUE(range.Get("Font").Get("ColorIndex").IsNull());
    EXPECT_EQ(range.Get("Font").Get("Name"), Variant("Liberation Sans"));

    const ObjectRef font = range.Get("Font").ToObject();
    font.Put("color", Variant::Null());
    font.Put("Italic", true);
    range.Call("Apply");
    EXPECT_EQ(At("A2").Get("Font").Get("color"), Variant(255));
    EXPECT_EQ(At("A1").Get("Font").Get("ColorIndex"), Variant(-4105));
    EXPECT_EQ(range.Get("Font").Get("Italic"), Variant(true));
}

TEST_F(RangeFormat, RefusedValuesRaiseWithADescriptionAndLeaveNothingStaged) {
    const ObjectRef range = At("A1:B2");
    const ObjectRef font = range.Get("Font").ToObject();
    const ObjectRef interior = range.Get("Interior").ToObject();
    const ObjectRef border = Border(range, 12);
    // Numbers too large for a Long are out of range as well, not an overflow.
    const Variant huge = 1e12, negative = -3e9;
    struct Refusal {
        ObjectRef object;
        const char* name;
        std::vector<Variant> values;
    };
    for (const Refusal& r : {Refusal{range, "HorizontalAlignment", {3, huge, negative}},
                             {range, "VerticalAlignment", {1}},
                             {range, "ApplyCache", {-1, huge, negative}},
                             {range, "NumberFormat", {std::string(256, '0')}},
                             {font, "Size", {0, 410}}, {font, "Name", {"   "}},
                             {font, "color", {16777216, -1}},
                             // The font has no "no colour" (-4142), unlike a line or a fill.
                             {font, "ColorIndex", {0, 57, -4142, huge, negative}},
                             {font, "Underline", {3, -4118, huge, negative}},
                             {interior, "Pattern", {99, huge, negative}},
                             {interior, "ColorIndex", {huge, negative}},
                             {interior, "PatternColorIndex", {huge, negative}},
                             {border, "LineStyle", {2}}, {border, "Weight", {3, huge, negative}},
                             {border, "ColorIndex", {huge, negative}}}) {
        for (const Variant& value : r.values) {
            const auto put = [&] { r.object.Put(r.name, value); };
            EXPECT_EQ(ErrorOf(put), 1004) << r.name << " " << value.Describe();
            EXPECT_FALSE(DescriptionOf(put).empty()) << r.name << " " << value.Describe();
        }
    }
    EXPECT_NE(DescriptionOf([&] { font.Put("ColorIndex", huge); }).find("ColorIndex"),
              std::string::npos);
    EXPECT_EQ(ErrorOf([&] { range.Put("HorizontalAlignment", "left"); }), 13);
    range.Call("Apply");
    EXPECT_EQ(range.Get("HorizontalAlignment"), Variant(1));
    EXPECT_EQ(range.Get("Font").Get("Size"), Variant(11.0));
    EXPECT_EQ(border.Get("LineStyle"), Variant(-4142));
}

TEST_F(RangeFormat, GeneralIsStoredAsTheEmptyCodeAndMixedFormatsReadNull) {
    Apply("A1", "NumberFormat", "0.00");
    Apply("A2", "NumberFormat", "GENERAL");
    EXPECT_EQ(At("A1").Get("NumberFormat"), Variant("0.00"));
    EXPECT_EQ(At("A2").Get("NumberFormat"), Variant(""));
    EXPECT_TRUE(At("A1:A2").Get("NumberFormat").IsNull());
    EXPECT_EQ(ErrorOf([&] { At("A1").Put("NumberFormat", 5); }), 13);
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

TEST_F(RangeFormat, ValueIsTheFirstCellsWritesFillTheRangeAndKeepTheirTypes) {
    At("B2:C3").Put("Value", 42);
    EXPECT_EQ(At("C3:D9").Get("Value"), Variant(42));
    EXPECT_TRUE(At("D4").Get("Value").IsEmpty());
    At("B2").Put("Value", Variant());
    EXPECT_TRUE(At("B2").Get("Value").IsEmpty());
    EXPECT_EQ(ErrorOf([&] { ObjectRef(sheet->Cells()).Put("Value", 1); }), 1004);
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

} // namespace
