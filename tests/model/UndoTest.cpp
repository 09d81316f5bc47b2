#include "ModelTestSupport.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::model;
using namespace vantor::model::test;

namespace {

class Undo : public ::testing::Test, protected ModelFixture {
protected:
    // The pages of one dialog each write through the same target and apply.
    void FormatDialog(const std::string& address, int32_t alignment, double size) {
        app->BeginUndoGroup("Format Cells");
        const ObjectRef range = At(address);
        range.Put("HorizontalAlignment", alignment);
        range.Call("Apply");
        range.Get("Font").ToObject().Put("Size", size);
        range.Call("Apply");
        range.Call("AutoFitRowsHeight");
        range.Put("ReadOnly", true);
        app->EndUndoGroup();
    }
};

TEST_F(Undo, StepsUndoInReverseOrderAndANewStepDropsTheRedo) {
    // Undo and Redo are methods of the application too.
    const ObjectRef application(app);
    FormatDialog("A1", -4108, 12);
    FormatDialog("A1", -4152, 14);
    application.Call("Undo");
    EXPECT_EQ(At("A1").Get("HorizontalAlignment"), Variant(-4108));
    FormatDialog("A1", -4131, 16);
    EXPECT_EQ(ErrorOf([&] { application.Call("Redo"); }), 1004);
    app->Undo();
    app->Undo();
    EXPECT_EQ(At("A1").Get("HorizontalAlignment"), Variant(1));
    EXPECT_EQ(ErrorOf([&] { application.Call("Undo"); }), 1004);
    application.Call("Redo");
    EXPECT_EQ(At("A1").Get("HorizontalAlignment"), Variant(-4108));
}

TEST_F(Undo, LoweringUndoMaxNumDropsTheOldestStepsAndRedoneStepsStayWithinIt) {
    ObjectRef(app).Put("UndoMaxNum", 3);
    FormatDialog("A1", -4108, 12);
    FormatDialog("A2", -4108, 12);
    FormatDialog("A3", -4108, 12);
    ObjectRef(app).Put("UndoMaxNum", 2); // drops the oldest at once
    app->Undo();
    app->Undo();
    EXPECT_FALSE(app->CanUndo());
    EXPECT_EQ(At("A1").Get("HorizontalAlignment"), Variant(-4108));
    EXPECT_EQ(At("A2:A3").Get("HorizontalAlignment"), Variant(1));
    ObjectRef(app).Put("UndoMaxNum", 1);
    app->Redo();
    app->Redo();
    EXPECT_EQ(At("A1:A3").Get("HorizontalAlignment"), Variant(-4108));
    app->Undo();
    EXPECT_FALSE(app->CanUndo());
    EXPECT_EQ(At("A3").Get("HorizontalAlignment"), Variant(1));
    EXPECT_EQ(At("A2").Get("HorizontalAlignment"), Variant(-4108));
}

TEST_F(Undo, EachDialogIsOneStepHoweverManyPagesSheetsAndRangesItTouches) {
    ObjectRef(app).Put("UndoMaxNum", 2);
    for (int dialog = 1; dialog <= 3; ++dialog) {
        app->BeginUndoGroup("Format Cells");
        const ObjectRef range = At("A1:C3");
        range.Put("ApplyCache", 3);
        range.Get("Font").ToObject().Put("Size", 10 + dialog);
        range.Call("Apply");
        Border(range, 12).Put("LineStyle", dialog == 2 ? -4115 : 1);
        range.Call("Apply");
        range.Get("Interior").ToObject().Put("ColorIndex", dialog);
        range.Call("Apply");
        range.Call("AutoFitRowsHeight");
        range.Put("ReadOnly", dialog == 2);
        ObjectRef(book->Sheet(1)->RangeOf("B2")).Put("Value", dialog);
        ObjectRef(book).Put("MaxIterations", 100 + dialog);
        ObjectRef(app).Put("SheetsInNewWorkbook", dialog);
        ObjectRef(sheet).Put("GridlineColor", dialog);
        app->EndUndoGroup();
    }
    app->Undo();
    EXPECT_EQ(At("B2").Get("Font").Get("Size"), Variant(12.0));
    EXPECT_EQ(LineStyle("A1:C3", 12), Variant(-4115));
    EXPECT_EQ(At("C3").Get("Interior").Get("ColorIndex"), Variant(2));
    EXPECT_EQ(At("A1:C3").Get("ReadOnly"), Variant(true));
    EXPECT_EQ(ObjectRef(book->Sheet(1)->RangeOf("B2")).Get("Value"), Variant(2));
    EXPECT_EQ(ObjectRef(book).Get("MaxIterations"), Variant(102));
    EXPECT_EQ(ObjectRef(app).Get("SheetsInNewWorkbook"), Variant(2));
    EXPECT_EQ(ObjectRef(sheet).Get("GridlineColor"), Variant(2));
    app->Undo();
    EXPECT_FALSE(app->CanUndo()); // the first dialog's step was dropped
    EXPECT_EQ(At("B2").Get("Font").Get("Size"), Variant(11.0));
    EXPECT_EQ(ObjectRef(book->Sheet(1)->RangeOf("B2")).Get("Value"), Variant(1));
    EXPECT_EQ(ObjectRef(app).Get("SheetsInNewWorkbook"), Variant(1));
    EXPECT_EQ(ObjectRef(sheet).Get("GridlineColor"), Variant(1));
    EXPECT_EQ(At("A1:C3").Get("ReadOnly"), Variant(false));
    app->Redo();
    EXPECT_EQ(At("A1:C3").Get("ReadOnly"), Variant(true));
    EXPECT_EQ(At("A1:C3").Get("Font").Get("Size"), Variant(12.0));
}

TEST_F(Undo, UndoneFormatsReadBackThroughRangesMadeBefore) {
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

TEST_F(Undo, NestedGroupsAreOneStepAndARefusedApplyAddsNothingToIt) {
    app->BeginUndoGroup("Outer");
    Apply("A1", "WrapText", true);
    app->BeginUndoGroup("Inner");
    Apply("A2", "WrapText", true);
    app->EndUndoGroup();
    EXPECT_EQ(ErrorOf([&] { At("A3").Put("HorizontalAlignment", 2); }), 1004);
    // Nothing can be undone while a dialog is still making its changes.
    EXPECT_EQ(ErrorOf([&] { ObjectRef(app).Call("Undo"); }), 1004);
    app->EndUndoGroup();
    EXPECT_EQ(app->History()->UndoNames(), (std::vector<std::string>{"Outer"}));
    app->Undo();
    EXPECT_EQ(At("A1:A2").Get("WrapText"), Variant(false));
}

TEST_F(Undo, TurningUndoOnOrOffDuringADialogLeavesNoPartialStep) {
    FormatDialog("A1", -4108, 12); // turning undo off forgets this step
    for (const bool on : {true, false}) {
        ObjectRef(app).Put("EnableUndo", !on);
        app->BeginUndoGroup("Options");
        Apply("B1", "WrapText", on);
        ObjectRef(app).Put("EnableUndo", on);
        Apply("B2", "WrapText", on);
        app->EndUndoGroup();
        // Half a dialog would be no step to undo.
        EXPECT_FALSE(app->CanUndo()) << on;
        ObjectRef(app).Put("EnableUndo", true);
        FormatDialog("C1", -4108, 12);
        app->Undo();
        EXPECT_EQ(At("B1:B2").Get("WrapText"), Variant(on)) << on;
        EXPECT_FALSE(app->CanUndo()) << on;
    }
}

TEST_F(Undo, HostWritesOutsideADialogAreNoStepsAndEndTheHistory) {
    FormatDialog("A1", -4108, 12);
    Apply("B1", "WrapText", true);
    At("B2").Put("Value", 3);
    EXPECT_FALSE(app->CanUndo());
    EXPECT_EQ(At("B1").Get("WrapText"), Variant(true));
    // A group in which nothing changed leaves no step.
    app->BeginUndoGroup("Nothing");
    At("A1").Call("Apply");
    app->EndUndoGroup();
    EXPECT_FALSE(app->CanUndo());
    EXPECT_EQ(ErrorOf([&] { app->EndUndoGroup(); }), 1004);
}

} // namespace
