#include "ModelTestSupport.hpp"

#include "model/CellAddress.hpp"

#include <gtest/gtest.h>

#include <random>

using namespace vantor;
using namespace vantor::model;
using namespace vantor::model::test;

namespace vantor::model {
void PrintTo(const CellRect& rect, std::ostream* out) {
    *out << FormatAddress(rect);
}
} // namespace vantor::model

namespace {

constexpr int32_t kLastRow = 1048575;
constexpr int32_t kLastColumn = 16383;

// A small window of the sheet, at its top-left corner, in its middle or at its
// bottom-right corner, with what each of its cells and edges should hold as
// written so far. Random writes go to blocks of the window (and to whole rows,
// columns and the sheet through it); reads of random blocks must then answer
// the value all their cells or edges share, or Null.
class Window : public ::testing::TestWithParam<CellRect>, protected ModelFixture {
protected:
    static constexpr int kRows = 6;
    static constexpr int kColumns = 5;

    struct Cell {
        int32_t hAlign = 1;
        bool wrap = false;
        double size = 11.0;
        int32_t diagonal = -4142;
    };
    // A line and its weight; no line has the thin weight.
    struct Line {
        int32_t style = -4142;
        int32_t weight = 2;
        bool operator==(const Line&) const = default;
    };

    Cell cells[kRows][kColumns];
    Line above[kRows + 1][kColumns];  // above[r][c]: the top edge of window cell (r, c)
    Line leftOf[kRows][kColumns + 1]; // leftOf[r][c]: the left edge of window cell (r, c)
    std::mt19937 random{20261206};

    int32_t Row0() const { return GetParam().firstRow; }
    int32_t Column0() const { return GetParam().firstColumn; }
    int Pick(int lowest, int highest) {
        return std::uniform_int_distribution<int>(lowest, highest)(random);
    }
    template <typename T> T PickOf(std::initializer_list<T> choices) {
        return *(choices.begin() + Pick(0, static_cast<int>(choices.size()) - 1));
    }
    // A block of the window, as window rows and columns.
    CellRect PickBlock() {
        const int r1 = Pick(0, kRows - 1);
        const int c1 = Pick(0, kColumns - 1);
        return {r1, c1, Pick(r1, kRows - 1), Pick(c1, kColumns - 1)};
    }
    ObjectRef Sheet(const CellRect& block) const {
        return At(FormatAddress({Row0() + block.firstRow, Column0() + block.firstColumn,
                                 Row0() + block.lastRow, Column0() + block.lastColumn}));
    }
    template <typename F> void ForCells(const CellRect& block, F&& f) {
        for (int r = block.firstRow; r <= block.lastRow; ++r) {
            for (int c = block.firstColumn; c <= block.lastColumn; ++c) {
                f(cells[r][c]);
            }
        }
    }
    // What the cells or edges seen agree on in one field, or Null.
    template <typename T, typename M>
    static Variant Agreed(const std::vector<T>& seen, M T::*field) {
        for (const T& each : seen) {
            if (each.*field != seen.front().*field) {
                return Variant::Null();
            }
        }
        return Variant(seen.front().*field);
    }
    // Whether a block has the border index: inside lines need two columns or rows.
    static bool Has(const CellRect& b, int32_t index) {
        return !(index == 11 && b.firstColumn == b.lastColumn) &&
               !(index == 12 && b.firstRow == b.lastRow);
    }
    // The edges a border index of a block stands for.
    std::vector<Line*> Edges(const CellRect& b, int32_t index) {
        std::vector<Line*> edges;
        for (int r = b.firstRow; r <= b.lastRow; ++r) {
            for (int c = b.firstColumn; c <= b.lastColumn; ++c) {
                if ((index == 7 && c == b.firstColumn) || (index == 11 && c > b.firstColumn)) {
                    edges.push_back(&leftOf[r][c]);
                } else if (index == 10 && c == b.lastColumn) {
                    edges.push_back(&leftOf[r][c + 1]);
                } else if ((index == 8 && r == b.firstRow) || (index == 12 && r > b.firstRow)) {
                    edges.push_back(&above[r][c]);
                } else if (index == 9 && r == b.lastRow) {
                    edges.push_back(&above[r + 1][c]);
                }
            }
        }
        return edges;
    }

    void WriteRandomFormat() {
        // Mostly blocks of the window; sometimes the rows, the columns or the
        // whole sheet through one.
        const CellRect block = PickBlock();
        const int spread = Pick(0, 9);
        CellRect target = block;
        ObjectRef range = Sheet(block);
        if (spread == 0) {
            target = {block.firstRow, 0, block.lastRow, kColumns - 1};
            range = At(std::to_string(Row0() + block.firstRow + 1) + ":" +
                       std::to_string(Row0() + block.lastRow + 1));
        } else if (spread == 1) {
            target = {0, block.firstColumn, kRows - 1, block.lastColumn};
            range = At(ColumnName(Column0() + block.firstColumn) + ":" +
                       ColumnName(Column0() + block.lastColumn));
        } else if (spread == 2) {
            target = {0, 0, kRows - 1, kColumns - 1};
            range = ObjectRef(sheet->Cells());
        }
        switch (Pick(0, 3)) {
        case 0: {
            const int32_t a = PickOf({1, -4131, -4108, -4152});
            range.Put("HorizontalAlignment", a);
            ForCells(target, [a](Cell& c) { c.hAlign = a; });
            break;
        }
        case 1: {
            const bool wrap = Pick(0, 1) == 1;
            range.Put("WrapText", wrap);
            ForCells(target, [wrap](Cell& c) { c.wrap = wrap; });
            break;
        }
        case 2: {
            const double size = PickOf({8.0, 11.0, 14.5});
            range.Get("Font").ToObject().Put("Size", size);
            ForCells(target, [size](Cell& c) { c.size = size; });
            break;
        }
        default: {
            const int32_t style = PickOf({-4142, 1, -4115});
            Border(range, 5).Put("LineStyle", style);
            ForCells(target, [style](Cell& c) { c.diagonal = style; });
        }
        }
        range.Call("Apply");
    }

    void WriteRandomBorders() {
        const CellRect block = PickBlock();
        const ObjectRef range = Sheet(block);
        // Edges of different indexes of one block never meet, so their
        // order within one apply does not matter.
        for (int32_t index = 7; index <= 12; ++index) {
            if (Pick(0, 2) != 0 || !Has(block, index)) {
                continue;
            }
            Line line{PickOf({-4142, 1, -4115, 4, -4118, -4119}), PickOf({1, 2, -4138, 4})};
            const ObjectRef border = Border(range, index);
            border.Put("LineStyle", line.style);
            border.Put("Weight", line.weight);
            if (line.style == -4142) {
                line.weight = 2; // no line forgets its weight
            }
            for (Line* edge : Edges(block, index)) {
                *edge = line;
            }
        }
        range.Call("Apply");
    }

    void CheckRandomReads(int count) {
        for (int i = 0; i < count; ++i) {
            const CellRect block = PickBlock();
            const ObjectRef range = Sheet(block);
            const std::string where = FormatAddress(block);
            std::vector<Cell> seen;
            ForCells(block, [&](Cell& c) { seen.push_back(c); });
            ASSERT_EQ(range.Get("HorizontalAlignment"), Agreed(seen, &Cell::hAlign)) << where;
            ASSERT_EQ(range.Get("WrapText"), Agreed(seen, &Cell::wrap)) << where;
            ASSERT_EQ(range.Get("Font").Get("Size"), Agreed(seen, &Cell::size)) << where;
            ASSERT_EQ(Border(range, 5).Get("LineStyle"), Agreed(seen, &Cell::diagonal)) << where;
            ASSERT_EQ(Border(range, 6).Get("LineStyle"), Variant(-4142)) << where; // never drawn
            for (int32_t index = 7; index <= 12; ++index) {
                if (!Has(block, index)) {
                    continue;
                }
                std::vector<Line> lines;
                for (const Line* edge : Edges(block, index)) {
                    lines.push_back(*edge);
                }
                const ObjectRef border = Border(range, index);
                ASSERT_EQ(border.Get("LineStyle"), Agreed(lines, &Line::style))
                    << where << " " << index;
                ASSERT_EQ(border.Get("Weight"), Agreed(lines, &Line::weight))
                    << where << " " << index;
            }
        }
    }
};

// Borders written from either side of an edge must read back as one edge.
TEST_P(Window, FormatsAndBordersWrittenToBlocksRowsAndColumnsReadBackPerBlock) {
    for (int round = 0; round < 140; ++round) {
        if (round % 2 == 0) {
            WriteRandomFormat();
        } else {
            WriteRandomBorders();
        }
        CheckRandomReads(4);
    }
    CheckRandomReads(400);
}

TEST_P(Window, NullWrittenOverMixedBlocksKeepsEveryCell) {
    for (int round = 0; round < 30; ++round) {
        WriteRandomFormat();
        WriteRandomBorders();
    }
    // Null over every property of a block, with one real change among them,
    // keeps what each cell and edge had.
    for (int round = 0; round < 20; ++round) {
        const CellRect block = PickBlock();
        const ObjectRef range = Sheet(block);
        const Variant null = Variant::Null();
        range.Put("HorizontalAlignment", null);
        range.Put("WrapText", null);
        range.Get("Font").ToObject().Put("Size", null);
        for (const Variant& border : range.Get("Borders").ToObject().Enumerate()) {
            for (const char* name : {"LineStyle", "Weight", "color", "ColorIndex"}) {
                border.ToObject().Put(name, null);
            }
        }
        const bool wrap = round % 2 == 0;
        range.Put("WrapText", wrap);
        ForCells(block, [wrap](Cell& c) { c.wrap = wrap; });
        range.Call("Apply");
        CheckRandomReads(5);
    }
}

std::string WindowName(const ::testing::TestParamInfo<CellRect>& info) {
    const char* const names[] = {"TopLeft", "Middle", "BottomRight"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(Corners, Window,
                         ::testing::Values(CellRect{0, 0, 0, 0}, CellRect{5000, 700, 5000, 700},
                                           CellRect{kLastRow - 5, kLastColumn - 4, kLastRow - 5,
                                                    kLastColumn - 4}),
                         WindowName);

} // namespace
