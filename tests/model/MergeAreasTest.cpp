#include "ModelTestSupport.hpp"
#include "model/MergeAreas.hpp"

#include <gtest/gtest.h>

#include <random>

using namespace vantor;
using namespace vantor::model;
using namespace vantor::model::test;

namespace {

class Merges : public ::testing::Test, protected ModelFixture {
protected:
    std::string AreaOf(const std::string& address) const {
        return At(address).Get("MergeArea").Get("Address").ToString();
    }
    void Undo() const { app->Undo(); }
    void InGroup(const std::function<void()>& f) const {
        app->BeginUndoGroup("Format Cells");
        f();
        app->EndUndoGroup();
    }
};

TEST_F(Merges, WritingTrueGrowsOverCrossingAreasAndFalseUnmergesEveryAreaTouched) {
    struct Case {
        std::vector<std::string> before; // ranges merged first, in order
        std::string write;
        bool value;
        std::vector<std::pair<std::string, std::string>> areas; // cell -> its area after
    };
    const Case cases[] = {
        {{}, "B2", true, {{"B2", "$B$2"}}}, // a single cell makes no area
        {{}, "B2:C3", true, {{"C3", "$B$2:$C$3"}, {"D4", "$D$4"}}},
        // B1:C1 crosses A1:B2, and the grown block then crosses C2:C5: grown twice.
        {{"A1:B2", "C2:C5"}, "B1:C1", true, {{"A1", "$A$1:$C$5"}, {"C5", "$A$1:$C$5"}}},
        // A block inside an area merges nothing new; the area is absorbed by a bigger one.
        {{"B2:D4"}, "C3", true, {{"C3", "$B$2:$D$4"}}},
        {{"B2:C3"}, "A1:D5", true, {{"B2", "$A$1:$D$5"}}},
        // False unmerges every area touched, and only those.
        {{"B2:C3", "E2:F3", "H2:H3"}, "C2:E2", false,
         {{"B2", "$B$2"}, {"F3", "$F$3"}, {"H3", "$H$2:$H$3"}}},
    };
    for (const auto& c : cases) {
        ModelFixture f;
        for (const auto& area : c.before) {
            f.At(area).Put("MergeCells", true);
        }
        f.At(c.write).Put("MergeCells", c.value);
        for (const auto& [cell, area] : c.areas) {
            EXPECT_EQ(f.At(cell).Get("MergeArea").Get("Address"), Variant(area))
                << c.write << " " << cell;
        }
    }
}

TEST_F(Merges, ReadsTrueFalseOrNullAndNullWritesNothing) {
    At("B2:C3").Call("Merge");
    EXPECT_EQ(At("B2:C3").Get("MergeCells"), Variant(true));
    EXPECT_EQ(At("C3").Get("MergeCells"), Variant(true));
    EXPECT_EQ(At("D4:E5").Get("MergeCells"), Variant(false));
    EXPECT_TRUE(At("B2:D3").Get("MergeCells").IsNull());
    At("B2").Put("MergeCells", Variant::Null());
    EXPECT_EQ(AreaOf("B2"), "$B$2:$C$3");
    At("C2").Call("UnMerge");
    EXPECT_EQ(At("B2:C3").Get("MergeCells"), Variant(false));
}

TEST_F(Merges, CoveredCellsKeepTheirValuesAndTheQuestionSeesThem) {
    At("B2").Put("Value", "top");
    EXPECT_EQ(At("B2:C3").Get("MergeHidesValues"), Variant(false));
    At("C3").Put("Value", 7);
    EXPECT_EQ(At("B2:C3").Get("MergeHidesValues"), Variant(true));
    // Asked over the grown range C2:D3, whose top left is C2.
    At("C2:C3").Call("Merge");
    EXPECT_EQ(At("C3:D3").Get("MergeHidesValues"), Variant(true));
    At("B2:D3").Put("MergeCells", true);
    EXPECT_EQ(At("C3").Get("Value"), Variant(7));
    At("B2").Put("MergeCells", false);
    EXPECT_EQ(At("C3").Get("Value"), Variant(7));
}

TEST_F(Merges, EachWriteIsUndoneWithTheGroupItJoins) {
    InGroup([&] {
        At("B2:C3").Put("MergeCells", true);
        At("E5:F5").Put("MergeCells", true);
    });
    InGroup([&] { At("B2").Put("MergeCells", false); });
    EXPECT_EQ(AreaOf("B2"), "$B$2");
    Undo();
    EXPECT_EQ(AreaOf("C3"), "$B$2:$C$3");
    Undo();
    EXPECT_EQ(AreaOf("C3"), "$C$3");
    EXPECT_EQ(AreaOf("F5"), "$F$5");
}

// The index answers as a plain search of every area does, over many areas of random shapes.
TEST(MergeAreaIndex, FindsTheAreaOfEveryCellAsAPlainSearchDoes) {
    std::mt19937 random(7);
    std::vector<CellRect> areas;
    for (int32_t band = 0; band < 40; ++band) {
        for (int32_t column = 0; column < 60;) {
            const int32_t width = 1 + static_cast<int32_t>(random() % 4);
            const int32_t top = band * 5 + static_cast<int32_t>(random() % 3);
            const int32_t height = 1 + static_cast<int32_t>(random() % (band * 5 + 5 - top));
            if (random() % 3 != 0) {
                areas.push_back({top, column, top + height - 1, column + width - 1});
            }
            column += width;
        }
    }
    const MergeAreas merges(areas);
    for (int32_t row = 0; row < 205; ++row) {
        for (int32_t column = 0; column < 62; ++column) {
            const CellRect* expected = nullptr;
            for (const CellRect& a : areas) {
                if (row >= a.firstRow && row <= a.lastRow && column >= a.firstColumn &&
                    column <= a.lastColumn) {
                    expected = &a;
                }
            }
            const CellRect* found = merges.Find(row, column);
            ASSERT_EQ(found == nullptr, expected == nullptr) << row << "," << column;
            if (found) {
                EXPECT_EQ(*found, *expected);
            }
        }
    }
}

} // namespace
