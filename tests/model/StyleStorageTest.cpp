#include "ModelTestSupport.hpp"

#include "model/StyleTable.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using namespace vantor;
using namespace vantor::model;
using namespace vantor::model::test;

namespace {

class StyleStorage : public ::testing::Test, protected ModelFixture {
protected:
    // Font colours 1, 2, ... down column A from the top, each its own style.
    void LoadColoursDownColumnA(int32_t count) const {
        Style base = book->Styles()->Default();
        std::vector<std::pair<int32_t, Style>> runs;
        for (int32_t r = 0; r < count; ++r) {
            base.fontColor = static_cast<uint32_t>(r + 1);
            runs.emplace_back(r + 1, base);
        }
        sheet->LoadColumnStyles(0, runs);
    }
};

TEST_F(StyleStorage, EqualStylesAreStoredOnceWhereverAndWheneverTheyAreMade) {
    const StyleTable& table = *book->Styles();
    const size_t before = table.RecordCount();
    Apply("A1:A5", "HorizontalAlignment", -4108);
    Apply("C7", "HorizontalAlignment", -4108);
    // Another sheet shares the table.
    ObjectRef(book->Sheet(1)->RangeOf("Z9")).Put("HorizontalAlignment", -4108);
    ObjectRef(book->Sheet(1)->RangeOf("Z9")).Call("Apply");
    EXPECT_EQ(table.RecordCount(), before + 1);
    EXPECT_EQ(book->StylesInUse(), 2u);
    // Changing back and forth finds the earlier styles.
    for (int i = 0; i < 4; ++i) {
        Apply("A1:A5", "HorizontalAlignment", i % 2 == 0 ? 1 : -4108);
    }
    EXPECT_EQ(table.RecordCount(), before + 1);
    EXPECT_EQ(At("A2").Get("HorizontalAlignment"), Variant(-4108));
    Apply("A1:Z10", "HorizontalAlignment", 1);
    EXPECT_EQ(sheet->Store().State().columns.RunCount(), 1u); // the sheet is plain again
}

// Neighbouring runs of a column always hold different styles: a block made
// equal joins its runs, also with the runs above and below, and a block that
// cuts runs splits them at its edges.
TEST_F(StyleStorage, ColumnRunsJoinWhereStylesBecomeEqualAndSplitAtBlockEdges) {
    LoadColoursDownColumnA(6);
    const auto column = [&] { return sheet->Store().State().columns.At(0); };
    ApplyFont("A2:A5", "color", 1);      // A1 already has colour 1: joins with it
    EXPECT_EQ(column()->RunCount(), 3u); // A1:A5, A6, the rest
    EXPECT_EQ(At("A1:A5").Get("Font").ToObject().Get("color"), Variant(1));
    EXPECT_EQ(At("A6").Get("Font").ToObject().Get("color"), Variant(6));
    ApplyFont("A3:A4", "color", 9); // splits A1:A5 in three
    EXPECT_EQ(column()->RunCount(), 5u);
    EXPECT_EQ(At("A2").Get("Font").ToObject().Get("color"), Variant(1));
    EXPECT_EQ(At("A3:A4").Get("Font").ToObject().Get("color"), Variant(9));
    EXPECT_EQ(At("A5").Get("Font").ToObject().Get("color"), Variant(1));
    // Whole runs given new styles keep their boundaries, and share them with
    // the column they came from.
    const auto before = column();
    ApplyFont("A1:A6", "Bold", true);
    EXPECT_EQ(column()->RunCount(), before->RunCount());
    EXPECT_TRUE(column()->SharesEndsWith(*before));
    EXPECT_EQ(At("A3").Get("Font").ToObject().Get("color"), Variant(9));
    EXPECT_EQ(At("A1:A6").Get("Font").ToObject().Get("Bold"), Variant(true));
    const std::vector<uint32_t> ids = column()->Ids();
    for (size_t k = 1; k < ids.size(); ++k) {
        EXPECT_NE(ids[k], ids[k - 1]);
    }
    // Columns with the same run boundaries share them, loaded or formatted.
    Style base = book->Styles()->Default();
    base.bold = true;
    sheet->LoadColumnStyles(1, {{2, book->Styles()->Default()}, {6, base}});
    Style italic = book->Styles()->Default();
    italic.italic = true;
    sheet->LoadColumnStyles(2, {{2, base}, {6, italic}});
    const auto& columns = sheet->Store().State().columns;
    EXPECT_TRUE(columns.At(1)->SharesEndsWith(*columns.At(2)));
    ApplyFont("B4:C4", "Size", 20); // splits a run of each column
    EXPECT_EQ(columns.At(1)->RunCount(), 5u);
    EXPECT_TRUE(columns.At(1)->SharesEndsWith(*columns.At(2)));
    EXPECT_NE(columns.At(1)->Ids(), columns.At(2)->Ids());
}

// A column of thousands of runs is kept in pieces; writes of single cells and
// short blocks anywhere, across piece edges too, and long blocks over many
// pieces must leave it equal to a plain list of the rows' colours, with no two
// neighbouring runs alike, and an undo step must bring back the column as it was.
TEST_F(StyleStorage, LongColumnsAgreeWithAPlainListUnderScatteredWritesAndUndo) {
    constexpr auto kPiece = static_cast<int32_t>(ColumnStyles::kPieceRuns);
    constexpr int32_t kLoaded = 3 * kPiece + 500;
    constexpr int32_t kRows = kLoaded + 200;
    LoadColoursDownColumnA(kLoaded);
    std::vector<int32_t> expected(kRows, 0); // 0: automatic, read as black
    for (int32_t r = 0; r < kLoaded; ++r) {
        expected[r] = r + 1;
    }
    const auto check = [&](const char* when) {
        const ColumnStyles& column = *sheet->Store().State().columns.At(0);
        const StyleTable& table = *book->Styles();
        size_t changes = 1;
        for (int32_t r = 0; r < kRows; ++r) {
            const uint32_t color = table.Get(column.At(r)).fontColor;
            ASSERT_EQ(color == kAutoColor ? 0 : static_cast<int32_t>(color), expected[r])
                << when << ", row " << r + 1;
            changes += r > 0 && expected[r] != expected[r - 1];
        }
        EXPECT_EQ(column.RunCount(), changes) << when; // plain rows below kRows: one more run
        const std::vector<uint32_t> ids = column.Ids();
        for (size_t k = 1; k < ids.size(); ++k) {
            ASSERT_NE(ids[k], ids[k - 1]) << when << ", run " << k;
        }
    };
    const auto write = [&](int32_t first, int32_t last, int32_t color) {
        ApplyFont("A" + std::to_string(first + 1) + ":A" + std::to_string(last + 1), "color",
                  color);
        std::fill(expected.begin() + first, expected.begin() + last + 1, color);
    };
    std::mt19937 random(7);
    const auto pick = [&](int32_t from, int32_t to) {
        return std::uniform_int_distribution<int32_t>(from, to)(random);
    };
    for (int32_t i = 0; i < 300; ++i) {
        // Few colours, so that writes often join runs; rows near piece edges often.
        const int32_t row = i % 3 == 0 ? pick(0, 3) * kPiece + pick(-2, 2) : pick(0, kRows - 50);
        const int32_t first = std::clamp(row, 0, kRows - 50);
        write(first, first + (i % 4 == 0 ? pick(1, 40) : 0), pick(1, 4));
    }
    check("after single cells and short blocks");
    write(100, 2 * kPiece + 100, 2);
    write(1000, 1000, 3);
    check("after a long block");
    EXPECT_EQ(At("A1002:A" + std::to_string(2 * kPiece + 101)).Get("Font").Get("color"),
              Variant(2)); // read over pieces
    EXPECT_TRUE(At("A1000:A1002").Get("Font").Get("color").IsNull());

    const std::vector<int32_t> before = expected;
    app->BeginUndoGroup("Scattered");
    for (int32_t i = 0; i < 50; ++i) {
        const int32_t row = pick(0, kRows - 1);
        write(row, row, pick(5, 9));
    }
    app->EndUndoGroup();
    check("in the undo group");
    app->Undo();
    expected = before;
    check("after undo");
}

TEST_F(StyleStorage, AtTheLimitOf65536StylesANewOneIsRefusedAndChangesNothing) {
    const ObjectRef box = At("C3:D4");
    for (int32_t index : {7, 8, 9, 10, 11, 12}) {
        Border(box, index).Put("LineStyle", -4115);
    }
    box.Call("Apply");
    // Font colours down column A fill the workbook up to the styles it keeps.
    const int32_t loaded = static_cast<int32_t>(65536 - book->StylesInUse());
    LoadColoursDownColumnA(loaded);
    ASSERT_EQ(book->StylesInUse(), 65536u);
    // Writing the same change to every style of the column keeps the count: accepted.
    Apply("A1:A" + std::to_string(loaded), "WrapText", true);
    EXPECT_EQ(At("A100").Get("WrapText"), Variant(true));

    // Half of the box, redrawn, would need new styles for its cells and
    // their neighbours while the other half keeps the old ones.
    const ObjectRef half = At("C3:C4");
    app->BeginUndoGroup("Format Cells");
    for (int32_t index : {7, 8, 9, 10, 12}) {
        Border(half, index).Put("LineStyle", 1);
    }
    half.Put("WrapText", true);
    EXPECT_EQ(ErrorOf([&] { half.Call("Apply"); }), 1004);
    Border(half, 10).Put("LineStyle", 1);
    EXPECT_NE(DescriptionOf([&] { half.Call("Apply"); }).find("65536"), std::string::npos);
    EXPECT_EQ(ErrorOf([&] { At("F6").Put("ReadOnly", true); }), 1004);
    app->EndUndoGroup();
    EXPECT_FALSE(app->CanUndo());

    for (int32_t index : {7, 8, 9, 10, 11, 12}) {
        EXPECT_EQ(Border(box, index).Get("LineStyle"), Variant(-4115)) << index;
    }
    EXPECT_EQ(box.Get("WrapText"), Variant(false));
    EXPECT_EQ(LineStyle("C2", 9), Variant(-4115));
    EXPECT_EQ(LineStyle("D3:D4", 7), Variant(-4115));
    EXPECT_EQ(LineStyle("C5", 8), Variant(-4115));
    EXPECT_EQ(At("F6").Get("ReadOnly"), Variant(false));
    EXPECT_EQ(book->StylesInUse(), 65536u);
    // A change to a style already in use is still accepted.
    const ObjectRef cell = At("F6");
    cell.Put("WrapText", true);
    cell.Get("Font").ToObject().Put("color", 1);
    cell.Call("Apply");
    EXPECT_EQ(At("F6").Get("Font").ToObject().Get("color"), Variant(1));
    // Giving the default colour back to some of the column makes room again.
    ApplyFont("A1:A20", "ColorIndex", -4105);
    Apply("C3", "HorizontalAlignment", -4108);
    EXPECT_EQ(At("C3").Get("HorizontalAlignment"), Variant(-4108));
}

TEST_F(StyleStorage, ReclaimingStylesKeepsThoseThatUndoStepsStillNeed) {
    LoadColoursDownColumnA(65535);
    // Each dialog gives every cell of the column a new style; the steps that
    // fall out of the history leave styles nothing needs, and the table
    // grows until it is swept.
    ObjectRef(app).Put("UndoMaxNum", 2);
    const int dialogs = 5;
    for (int i = 1; i <= dialogs; ++i) {
        app->BeginUndoGroup("Size");
        ApplyFont("A1:A65535", "Size", 11 + i);
        app->EndUndoGroup();
    }
    EXPECT_LT(book->Styles()->RecordCount(), 65535u * dialogs);
    for (int i = dialogs - 1; i >= dialogs - 2; --i) {
        app->Undo();
        EXPECT_EQ(At("A1:A65535").Get("Font").ToObject().Get("Size"), Variant(11.0 + i)) << i;
        EXPECT_EQ(At("A777").Get("Font").ToObject().Get("color"), Variant(777));
        EXPECT_EQ(At("A65535").Get("Font").ToObject().Get("color"), Variant(65535));
    }
    app->Redo();
    app->Redo();
    EXPECT_EQ(At("A1:A65535").Get("Font").ToObject().Get("Size"), Variant(11.0 + dialogs));
    EXPECT_EQ(At("A4242").Get("Font").ToObject().Get("color"), Variant(4242));
}

TEST_F(StyleStorage, StylesNoLongerUsedAreReclaimedAndFoundAgainAfterwards) {
    StyleTable& table = *book->Styles();
    const size_t records = table.RecordCount();
    // The named styles' own formats hold records too.
    const size_t held = records - book->StylesInUse();
    for (int i = 0; i < 40; ++i) {
        ApplyFont("B1", "Size", 8 + i);
    }
    EXPECT_GE(table.RecordCount(), records + 39); // one of the sizes is the default
    table.CollectIfAbove(0);
    EXPECT_EQ(table.RecordCount(), book->StylesInUse() + held);
    EXPECT_EQ(At("B1").Get("Font").ToObject().Get("Size"), Variant(47.0));
    ApplyFont("B2", "Size", 47); // found again, not stored twice
    EXPECT_EQ(table.RecordCount(), book->StylesInUse() + held);
}

} // namespace
