#include "model/Application.hpp"
#include "model/Range.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "qt/SheetGrid.hpp"
#include "qt/StudioWindow.hpp"
#include "vantor/ui/HeadlessEnvironment.hpp"

#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace vantor::qt {
namespace {

using model::CellRect;

// The box around the dark pixels of `image` inside `area`.
QRect InkBox(const QImage& image, const QRect& area) {
    QRect box;
    for (int y = std::max(area.top(), 0); y <= std::min(area.bottom(), image.height() - 1); ++y) {
        for (int x = std::max(area.left(), 0); x <= std::min(area.right(), image.width() - 1); ++x) {
            if (qGray(image.pixel(x, y)) < 160) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// The studio over a new workbook whose first sheet has the merge areas
// B2:C3 and E2:E5.
class GridDisplay : public ::testing::Test {
protected:
    GridDisplay() {
        app->AddWorkbook("Book1");
        for (const char* area : {"B2:C3", "E2:E5"}) {
            ObjectRef(app->RangeOf(area)).Call("Merge");
        }
        window = std::make_unique<StudioWindow>(app, 96.0);
        window->show();
    }
    SheetGrid& grid() { return *window->Grid(); }
    void Put(const std::string& address, const char* member, const Variant& value) {
        const ObjectRef range(app->RangeOf(address));
        range.Put(member, value);
        range.Call("Apply");
    }
    QImage Picture() {
        grid().viewport()->update();
        return grid().viewport()->grab().toImage();
    }
    // Whether anything is drawn inside a cell, its edges left out.
    QRect Ink(const CellRect& block) {
        return InkBox(Picture(), grid().BlockRect(block).adjusted(2, 2, -2, -2));
    }
    bool Inked(int32_t row, int32_t column) { return !Ink({row, column, row, column}).isEmpty(); }

    HeadlessEnvironment env;
    EnvironmentScope scope{env};
    std::shared_ptr<model::Application> app = model::Application::Create();
    std::unique_ptr<StudioWindow> window;
};

TEST_F(GridDisplay, SelectionGrowsOverMergeAreasAndTheCursorStepsOverThem) {
    const auto cell = [](int32_t r, int32_t c) { return CellRect{r, c, r, c}; };
    const CellRect area{1, 1, 2, 2};
    struct Case {
        CellRect from;
        int key;
        Qt::KeyboardModifiers modifiers;
        int presses;
        CellRect selection;
    };
    const Case cases[] = {
        {cell(1, 0), Qt::Key_Right, Qt::NoModifier, 1, area},
        {cell(1, 0), Qt::Key_Right, Qt::NoModifier, 2, cell(1, 3)}, // off the area's far edge
        {cell(2, 0), Qt::Key_Right, Qt::NoModifier, 1, area},
        {area, Qt::Key_Down, Qt::NoModifier, 1, cell(3, 1)},
        {cell(3, 2), Qt::Key_Up, Qt::NoModifier, 1, area},
        {area, Qt::Key_Tab, Qt::NoModifier, 1, cell(1, 3)},
        {cell(1, 3), Qt::Key_Right, Qt::NoModifier, 1, {1, 4, 4, 4}},
        {cell(1, 0), Qt::Key_Right, Qt::ShiftModifier, 1, {1, 0, 2, 2}},
        {cell(1, 0), Qt::Key_Right, Qt::ShiftModifier, 2, {1, 0, 2, 3}},
        {cell(1, 0), Qt::Key_Right, Qt::ShiftModifier, 3, {1, 0, 4, 4}}, // E2:E5 joins
        {cell(0, 2), Qt::Key_Down, Qt::ShiftModifier, 1, {0, 1, 2, 2}},
        {cell(1, 3), Qt::Key_Left, Qt::ShiftModifier, 1, {1, 1, 2, 3}},
        {cell(1, 3), Qt::Key_Left, Qt::ShiftModifier, 2, {1, 0, 2, 3}},
    };
    for (const Case& c : cases) {
        grid().Select(c.from);
        for (int i = 0; i < c.presses; ++i) {
            QTest::keyClick(&grid(), static_cast<Qt::Key>(c.key), c.modifiers);
        }
        EXPECT_EQ(grid().Selection(), c.selection)
            << model::FormatAddress(c.from) << " key " << c.key << " x" << c.presses << " gave "
            << grid().SelectionAddress();
    }
    // Shift-extension taken back over an area jumps past it rather than sticking.
    grid().Select(cell(1, 0));
    QTest::keyClick(&grid(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&grid(), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(grid().Selection(), (CellRect{1, 0, 2, 0}));

    // Clicks, drags and a selection made by code grow alike; the area's top
    // left cell is the active one.
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, Qt::NoModifier,
                      grid().CellRect(2, 2).center());
    EXPECT_EQ(grid().Selection(), area);
    EXPECT_EQ(grid().ActiveRow(), 1);
    EXPECT_EQ(grid().ActiveColumn(), 1);
    QTest::mousePress(grid().viewport(), Qt::LeftButton, Qt::NoModifier,
                      grid().CellRect(0, 0).center());
    QTest::mouseMove(grid().viewport(), grid().CellRect(1, 1).center());
    QTest::mouseRelease(grid().viewport(), Qt::LeftButton, Qt::NoModifier,
                        grid().CellRect(1, 1).center());
    EXPECT_EQ(grid().Selection(), (CellRect{0, 0, 2, 2}));
    grid().Select({2, 2, 2, 3});
    EXPECT_EQ(grid().Selection(), (CellRect{1, 1, 2, 3}));
}

TEST_F(GridDisplay, AMergeAreaShowsItsTopLeftCellAcrossTheArea) {
    ObjectRef(app->RangeOf("C3")).Put("Value", Variant("covered"));
    EXPECT_FALSE(Inked(2, 2)) << "a covered cell's own value does not show";
    const ObjectRef topLeft(app->RangeOf("B2"));
    topLeft.Put("Value", Variant("mid"));
    topLeft.Put("HorizontalAlignment", Variant(enums::HAlign::Center));
    topLeft.Get("Interior").ToObject().Put("Color", Variant(0x0000FF));
    topLeft.Call("Apply");
    const QImage image = Picture();
    const QRect covered = grid().CellRect(2, 2);
    // The top left cell's fill reaches the covered cell, with no gridline
    // between them, and its text is centred across the two columns.
    EXPECT_EQ(image.pixelColor(covered.center()), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(covered.left(), covered.bottom() - 1), QColor(255, 0, 0));
    topLeft.Get("Interior").ToObject().Put("ColorIndex", Variant(enums::ColorIndex::Automatic));
    topLeft.Call("Apply");
    EXPECT_NEAR(Ink({1, 1, 2, 2}).center().x(), covered.left(), 3);
    topLeft.Call("UnMerge");
    EXPECT_TRUE(Inked(2, 2)) << "unmerged, the covered value shows again";
}

TEST_F(GridDisplay, FrozenRowsAndColumnsStayWhileTheRestScrolls) {
    ObjectRef(app->RangeOf("A1:E5")).Call("UnMerge");
    ObjectRef(grid().Sheet()).Put("SplitRow", Variant(2));
    ObjectRef(grid().Sheet()).Put("SplitColumn", Variant(1));
    ObjectRef(app->RangeOf("A1")).Put("Value", Variant("Title"));
    grid().SetSheet(grid().Sheet());
    const QRect frozen = grid().CellRect(0, 0);
    const QPoint inFrozen = grid().CellRect(1, 0).center();
    // By the scroll bar, the wheel, and keys that take the cursor out of view.
    const std::function<void()> scrolls[] = {
        [&] { grid().verticalScrollBar()->setValue(40); },
        [&] {
            const QPointF at = grid().CellRect(5, 3).center();
            QWheelEvent wheel(at, grid().viewport()->mapToGlobal(at), {}, {0, -120 * 5},
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(grid().viewport(), &wheel);
        },
        [&] {
            for (int i = 0; i < 40; ++i) {
                QTest::keyClick(&grid(), Qt::Key_Down);
            }
        },
    };
    for (const auto& scroll : scrolls) {
        grid().verticalScrollBar()->setValue(0);
        grid().Select({2, 1, 2, 1});
        scroll();
        EXPECT_GT(grid().TopRow(), 2);
        EXPECT_EQ(grid().CellRect(0, 0), frozen);
        EXPECT_TRUE(Inked(0, 0)) << "the frozen cell is still drawn";
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, Qt::NoModifier, inFrozen);
        EXPECT_EQ(grid().Selection(), (CellRect{1, 0, 1, 0}));
    }
    // Ctrl+Home takes the view back to its start and the cursor to the first cell that scrolls.
    QTest::keyClick(&grid(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(grid().Selection(), (CellRect{2, 1, 2, 1}));
    EXPECT_EQ(grid().TopRow(), 2);
    // The scrolled part never slides under the frozen one, and a dark line ends it.
    grid().verticalScrollBar()->setValue(0);
    EXPECT_EQ(grid().TopRow(), 2);
    grid().horizontalScrollBar()->setValue(0);
    EXPECT_EQ(grid().LeftColumn(), 1);
    const QImage image = Picture();
    const QRect below = grid().CellRect(2, 3);
    EXPECT_LT(qGray(image.pixel(below.center().x(), below.top())), 100);
    const QRect right = grid().CellRect(5, 1);
    EXPECT_LT(qGray(image.pixel(right.left(), right.center().y())), 100);
    EXPECT_GT(qGray(image.pixel(grid().CellRect(5, 3).left(), right.center().y())), 150);
}

TEST_F(GridDisplay, SheetDisplayOptionsHideZerosAndErrorsAndColourTheGridlines) {
    ObjectRef(app->RangeOf("G2")).Put("Value", Variant(0.0));
    ObjectRef(app->RangeOf("H2")).Put("Value", Variant::Error(2007));
    ObjectRef(app->RangeOf("I2")).Put("Value", Variant(5.0));
    const ObjectRef book(grid().Sheet()->Book());
    EXPECT_TRUE(Inked(1, 6));
    EXPECT_TRUE(Inked(1, 7));
    book.Put("DisplayZeros", Variant(false));
    book.Put("DisplayErrors", Variant(false));
    EXPECT_FALSE(Inked(1, 6));
    EXPECT_FALSE(Inked(1, 7));
    EXPECT_TRUE(Inked(1, 8));

    const QRect cell = grid().CellRect(6, 6);
    const QPoint onGridline(cell.left(), cell.center().y());
    EXPECT_EQ(Picture().pixelColor(onGridline), QColor(218, 220, 224)) << "automatic";
    ObjectRef(grid().Sheet()).Put("GridlineColorIndex", Variant(3));
    EXPECT_EQ(Picture().pixelColor(onGridline), QColor(255, 0, 0));
}

TEST_F(GridDisplay, ShrunkWrappedAndMergedTextStaysInItsCell) {
    const Variant text("A text far wider than its cell");
    // Row 8: shrunk, row 9: wrapped, row 10: merged B10:C10, row 11: plain.
    ObjectRef(app->RangeOf("8:9")).Put("RowHeight", Variant(45.0));
    for (const char* address : {"B8", "B9", "B10", "B11"}) {
        ObjectRef(app->RangeOf(address)).Put("Value", text);
    }
    Put("B8", "ShrinkToFit", Variant(true));
    Put("B9", "WrapText", Variant(true));
    ObjectRef(app->RangeOf("B10:C10")).Call("Merge");
    EXPECT_FALSE(Inked(7, 2));
    EXPECT_FALSE(Inked(8, 2));
    EXPECT_FALSE(Inked(9, 3));
    EXPECT_TRUE(Inked(10, 2)) << "plain text still spills";
    // Shrunk to one line, its ink is lower than the wrapped lines'.
    EXPECT_GT(Ink({7, 1, 7, 1}).height(), 0);
    EXPECT_LT(Ink({7, 1, 7, 1}).height(), Ink({8, 1, 8, 1}).height());
}

// A value drawn alone in a cell of the given width.
QImage Draw(const Variant& value, const model::Style& style, int width) {
    CellPainter painter;
    const QRectF cell(0, 0, width, 60);
    QImage image(width, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    CellPainter::PaintShown(p, cell, cell, painter.Show(style, "DejaVu Sans", "", value, false));
    return image;
}

QRect InkBox(const QImage& image) {
    return InkBox(image, image.rect());
}

TEST(CellPainterFit, ShrinkFitsTheWidthWrapWinsAndLongWordsBreak) {
    const Variant text("Shrunk to fit");
    model::Style plain;
    model::Style shrink;
    shrink.shrinkToFit = true;
    model::Style wrap;
    wrap.wrapText = true;
    model::Style both = shrink;
    both.wrapText = true;
    const int width = 50;
    const QRect shrunk = InkBox(Draw(text, shrink, width));
    EXPECT_LE(shrunk.right(), width - 1 - static_cast<int>(CellPainter::TextPadding));
    EXPECT_LT(shrunk.height(), InkBox(Draw(text, plain, width)).height());
    EXPECT_EQ(Draw(text, both, width), Draw(text, wrap, width)) << "wrap wins";
    EXPECT_GT(InkBox(Draw(Variant("ab"), wrap, width)).top(), 30) << "wrapped text keeps to the bottom";
    // A word longer than the line goes on to the next line instead of being cut.
    const QRect broken = InkBox(Draw(Variant("Unbreakableword"), wrap, width));
    EXPECT_GT(broken.height(), 2 * InkBox(Draw(Variant("Unbreakableword"), plain, width)).height() - 4);
}

TEST(CellPainterFit, AGeneralNumberGivesUpDigitsBeforeHashes) {
    struct Case {
        double number;
        const char* text;
        int room; // characters
        const char* fitted;
    };
    const Case cases[] = {
        {3.14159265358979, "3.14159265358979", 6, "3.1416"},
        {3.14159265358979, "3.14159265358979", 1, "3"},
        {2.5004, "2.5004", 5, "2.5"}, // rounded, trailing zeros dropped
        {123456789012.0, "123456789012", 8, "1.23E+11"},
        {123456789012.0, "123456789012", 5, "1E+11"},
        {123456789012.0, "123456789012", 4, ""},
        {-0.000123, "-0.000123", 7, "-0.0001"},
        {0.000123, "0.000123", 5, "1E-04"}, // nothing but zeros would show
        {1.5e20, "1.5E+20", 6, "2E+20"},
        {42.0, "42", 2, "42"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CellPainter::FitGeneral(c.number, c.text,
                                          [&](const QString& t) { return t.size() <= c.room; }),
                  c.fitted)
            << c.text << " in " << c.room;
    }
    // Drawn, the shortened number shows as its text would.
    model::Style right;
    right.hAlign = enums::HAlign::Right;
    QImage device(1, 1, QImage::Format_RGB32);
    QFont font("DejaVu Sans");
    font.setPointSizeF(right.fontSize);
    const QFontMetricsF metrics(font, &device);
    const int width = static_cast<int>(metrics.horizontalAdvance("3.1416") + 2 * CellPainter::TextPadding) + 2;
    ASSERT_GT(metrics.horizontalAdvance("3.14159") + 2 * CellPainter::TextPadding, width);
    EXPECT_EQ(Draw(Variant(3.14159265358979), model::Style{}, width), Draw(Variant("3.1416"), right, width));
}

} // namespace
} // namespace vantor::qt
