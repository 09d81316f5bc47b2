#include "ModelTestSupport.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::model;
using namespace vantor::model::test;

namespace {

class NamedStyles : public ::testing::Test, protected ModelFixture {
protected:
    ObjectRef Styles() const { return ObjectRef(book).Get("Styles").ToObject(); }
    ObjectRef StyleNamed(const std::string& name) const {
        return Styles().Call("Item", name).ToObject();
    }
    Variant AddStyle(const std::string& name, const std::string& from, int32_t includes) const {
        return Styles().Call("Add", name, Variant(At(from)), includes);
    }
    void InGroup(const std::function<void()>& f) const {
        app->BeginUndoGroup("Format Cells");
        f();
        app->EndUndoGroup();
    }
};

TEST_F(NamedStyles, TheBuiltInStylesComeFirstWithTheirNumberFormats) {
    const std::pair<const char*, const char*> builtIns[] = {
        {"Normal", ""},
        {"Percent", "0%"},
        {"Comma", "_(* #,##0.00_);_(* (#,##0.00);_(* \"-\"??_);_(@_)"},
        {"Comma [0]", "_(* #,##0_);_(* (#,##0);_(* \"-\"_);_(@_)"},
        {"Currency", "\xE2\x82\xAC#,##0.00"},
        {"Currency [0]", "\xE2\x82\xAC#,##0"}};
    ASSERT_EQ(Styles().Get("Count"), Variant(6));
    int32_t index = 1;
    for (const auto& [name, code] : builtIns) {
        const ObjectRef style = Styles().Call("Item", index++).ToObject();
        EXPECT_EQ(style.Get("Name"), Variant(name));
        EXPECT_EQ(style.Get("NumberFormat"), Variant(code));
        EXPECT_EQ(style.Get("BuiltIn"), Variant(true));
        EXPECT_EQ(ErrorOf([&] { style.Call("Delete"); }), 1004) << name;
    }
    EXPECT_EQ(StyleNamed("percent").Get("IncludeFont"), Variant(false));
    EXPECT_EQ(StyleNamed("Normal").Get("IncludeFont"), Variant(true));
    EXPECT_EQ(Styles().Enumerate().size(), 6u);
    EXPECT_EQ(At("A1:C3").Get("Style"), Variant("Normal"));
}

TEST_F(NamedStyles, AddRefusesEmptyAndUsedNamesAndTakesTheFirstCellsFormat) {
    Apply("B2", "NumberFormat", "0.000");
    ApplyFont("B2", "Bold", true);
    for (const char* refused : {"", "  ", "normal", "COMMA [0]"}) {
        EXPECT_EQ(ErrorOf([&] { AddStyle(refused, "B2", 127); }), 1004) << refused;
    }
    const ObjectRef style = AddStyle("Heavy", "B2:C3", 1 << 2).ToObject(); // the font only
    EXPECT_EQ(style.Get("NumberFormat"), Variant("0.000"));
    EXPECT_EQ(style.Get("Font").Get("Bold"), Variant(true));
    EXPECT_EQ(style.Get("IncludeNumber"), Variant(false));
    EXPECT_EQ(style.Get("IncludeFont"), Variant(true));
    EXPECT_EQ(style.Get("BuiltIn"), Variant(false));
    // Writing a style name gives its included groups only.
    At("E5:F6").Put("Style", "heavy");
    EXPECT_EQ(At("E5:F6").Get("Style"), Variant("Heavy"));
    EXPECT_EQ(At("E5").Get("Font").Get("Bold"), Variant(true));
    EXPECT_EQ(At("E5").Get("NumberFormat"), Variant(""));
    EXPECT_TRUE(At("E5:G6").Get("Style").IsNull());
    EXPECT_EQ(ErrorOf([&] { At("E5").Put("Style", "Nothing such"); }), 1004);
    // One undo takes the style name and the format away together.
    app->Undo();
    EXPECT_EQ(At("E5").Get("Style"), Variant("Normal"));
    EXPECT_EQ(At("E5").Get("Font").Get("Bold"), Variant(false));
}

TEST_F(NamedStyles, ModifyReappliesToItsCellsAndDeleteKeepsTheirFormats) {
    AddStyle("Money", "A1", 1 << 0); // the number format only
    At("B2:B3").Put("Style", "Money");
    At("D2").Put("Style", "Percent");
    InGroup([&] {
        const ObjectRef money = StyleNamed("Money");
        money.Put("NumberFormat", "0.00");
        money.Get("Font").ToObject().Put("Italic", true);
        money.Call("Apply");
    });
    EXPECT_EQ(At("B2:B3").Get("NumberFormat"), Variant("0.00"));
    EXPECT_EQ(At("B2").Get("Font").Get("Italic"), Variant(false)); // the font is not included
    EXPECT_EQ(At("D2").Get("NumberFormat"), Variant("0%"));
    app->Undo();
    EXPECT_EQ(At("B2").Get("NumberFormat"), Variant(""));
    EXPECT_EQ(StyleNamed("Money").Get("NumberFormat"), Variant(""));
    app->Redo();
    StyleNamed("Money").Call("Delete");
    EXPECT_EQ(Styles().Get("Count"), Variant(6));
    EXPECT_EQ(At("B2:B3").Get("Style"), Variant("Normal"));
    EXPECT_EQ(At("B2:B3").Get("NumberFormat"), Variant("0.00"));
    app->Undo();
    EXPECT_EQ(At("B2:B3").Get("Style"), Variant("Money"));
    EXPECT_EQ(Styles().Get("Count"), Variant(7));
}

TEST_F(NamedStyles, AStyleAnswersWhatTheFormatPagesRead) {
    const ObjectRef style = StyleNamed("Normal");
    EXPECT_TRUE(style.Get("Value").IsEmpty());
    EXPECT_EQ(style.Get("ApplyCache"), Variant(0));
    EXPECT_FALSE(style.Get("Application").IsNothing());
    style.Call("AutoFitRowsHeight");
    style.Call("AutoFitColsWidth");
    EXPECT_EQ(ErrorOf([&] { style.Get("Borders").Get("Item", 12); }), 1004);
    EXPECT_EQ(style.Get("Borders").Get("Item", 9).Get("LineStyle"), Variant(-4142));
}

TEST_F(NamedStyles, ShrinkToFitIsStagedUntilApplyAndReadsNullOverMixedCells) {
    const ObjectRef range = At("A1:A2");
    EXPECT_EQ(range.Get("ShrinkToFit"), Variant(false));
    InGroup([&] {
        At("A1").Put("ShrinkToFit", true);
        EXPECT_EQ(At("A1").Get("ShrinkToFit"), Variant(false)); // a fresh range: not applied
        Apply("A1", "ShrinkToFit", true);
    });
    EXPECT_TRUE(range.Get("ShrinkToFit").IsNull());
    EXPECT_EQ(At("A1").Get("WrapText"), Variant(false));
    app->Undo();
    EXPECT_EQ(range.Get("ShrinkToFit"), Variant(false));
}

TEST_F(NamedStyles, ATypedNoteReachesBareCellsAndOneUndoTakesItAway) {
    At("B2").Call("AddComment", "old");
    InGroup([&] { At("B2:C3").Get("Comment").ToObject().Put("Text", "new"); });
    for (const char* cell : {"B2", "C2", "B3", "C3"}) {
        EXPECT_EQ(At(cell).Get("Comment").Get("Text"), Variant("new")) << cell;
    }
    app->Undo();
    EXPECT_EQ(At("B2").Get("Comment").Get("Text"), Variant("old"));
    EXPECT_TRUE(At("C3").Get("Comment").IsNothing());
}

} // namespace
