#include "ModelTestSupport.hpp"

#include "model/CellStore.hpp"

#include <gtest/gtest.h>

namespace vantor::model::test {
namespace {

class FileStateTest : public ::testing::Test, public ModelFixture {};

TEST_F(FileStateTest, SavedTurnsFalseOnEveryKindOfChangeAndItsUndo) {
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"value", [&] { At("A1").Put("Value", 1); }},
        {"format", [&] { Apply("A1", "WrapText", true); }},
        {"read-only", [&] { At("A1").Put("ReadOnly", true); }},
        {"note", [&] { At("A1").Call("AddComment", "x"); }},
        {"size", [&] { At("A1").Put("RowHeight", 30); }},
        {"sheet setting", [&] { sheet->SetDisplayGridlines(false); }},
        {"workbook setting", [&] { ObjectRef(book).Put("Iteration", true); }},
        {"date system", [&] { ObjectRef(book).Put("Date1904", true); }},
    };
    for (const auto& [what, change] : changes) {
        app->BeginUndoGroup(what);
        book->SetSaved(true);
        change();
        app->EndUndoGroup();
        EXPECT_FALSE(book->Saved()) << what;
        EXPECT_EQ(ObjectRef(book).Get("Saved"), Variant(false)) << what;
        book->SetSaved(true);
        app->Undo();
        EXPECT_FALSE(book->Saved()) << what << " undone";
    }
    ObjectRef(book).Put("Saved", true);
    EXPECT_TRUE(book->Saved());
}

TEST_F(FileStateTest, FormulaIsKeptBesideItsValueUntilAValueIsWritten) {
    At("B2:B3").Put("Formula", "=A1*2");
    EXPECT_EQ(At("B3").Get("Formula"), Variant("=A1*2"));
    EXPECT_EQ(At("B3").Get("Value"), Variant());
    sheet->ChangeCells([](CellStore& store) { store.SetFormula(1, 1, "A1*3", Variant(6.0)); });
    EXPECT_EQ(At("B2").Get("Formula"), Variant("=A1*3"));
    EXPECT_EQ(At("B2").Get("Value"), Variant(6.0));
    // A text that is no formula is a value.
    At("B2").Put("Formula", "plain");
    EXPECT_EQ(At("B2").Get("Formula"), Variant("plain"));
    At("B3").Put("Value", 4);
    EXPECT_EQ(sheet->Store().FormulaAt(2, 1), nullptr);
    app->BeginUndoGroup("formula");
    At("C1").Put("Formula", "=B3");
    app->EndUndoGroup();
    app->Undo();
    EXPECT_EQ(sheet->Store().FormulaAt(0, 2), nullptr);
}

TEST_F(FileStateTest, ViewStaysInsideTheSheet) {
    SheetView view;
    view.selection = CellRect{1, 1, 5, 3};
    view.activeRow = 2;
    view.activeColumn = 2;
    view.topRow = 100;
    view.leftColumn = 10;
    sheet->SetView(view);
    EXPECT_EQ(sheet->View(), view);
    for (const auto& bad : {CellRect{-1, 0, 0, 0}, CellRect{3, 0, 2, 0},
                            CellRect{0, 0, constants::kRowCount, 0}, CellRect{0, 0, 0, constants::kColumnCount}}) {
        SheetView wrong = view;
        wrong.selection = bad;
        EXPECT_EQ(ErrorOf([&] { sheet->SetView(wrong); }), 1004);
    }
    SheetView far = view;
    far.topRow = constants::kRowCount;
    EXPECT_EQ(ErrorOf([&] { sheet->SetView(far); }), 1004);
    EXPECT_EQ(sheet->View(), view);
}

} // namespace
} // namespace vantor::model::test
