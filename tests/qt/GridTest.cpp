#include "model/Application.hpp"
#include "model/Range.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "qt/SheetGrid.hpp"
#include "qt/StudioWindow.hpp"
#include "vantor/ui/HeadlessEnvironment.hpp"

#include <QHelpEvent>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QPainter>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace vantor::qt {
namespace {

constexpr int32_t LastRow = model::constants::kRowCount - 1;
constexpr int32_t LastColumn = model::constants::kColumnCount - 1;

// The studio over a sheet with a block A1:A5, A10 and C1 filled.
class Grid : public ::testing::Test {
protected:
    Grid() {
        app->AddWorkbook("Book1");
        for (const char* address : {"A1:A5", "A10", "C1"}) {
            Put(address, Variant(1.0));
        }
        window = std::make_unique<StudioWindow>(app, 96.0);
        window->show();
    }
    void Put(const std::string& address, const Variant& value) {
        ObjectRef(app->RangeOf(address)).Put("Value", value);
    }
    void Format(const std::string& address, const char* member, const Variant& value) {
        const ObjectRef range(app->RangeOf(address));
        range.Put(member, value);
        range.Call("Apply");
    }
    SheetGrid& grid() { return *window->Grid(); }
    // Dark pixels inside a cell, its edges left out.
    int Ink(int32_t row, int32_t column) {
        grid().viewport()->update();
        const QImage image = grid().viewport()->grab().toImage();
        const QRect cell = grid().CellRect(row, column).adjusted(2, 2, -2, -2);
        int dark = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            for (int x = cell.left(); x <= cell.right(); ++x) {
                dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
            }
        }
        return dark;
    }

    HeadlessEnvironment env;
    EnvironmentScope scope{env};
    std::shared_ptr<model::Application> app = model::Application::Create();
    std::unique_ptr<StudioWindow> window;
};

TEST_F(Grid, KeysMoveTheCursorAsSpreadsheetUsersExpect) {
    struct Case {
        model::CellRect from;
        int key;
        Qt::KeyboardModifiers modifiers;
        model::CellRect selection;
    };
    const auto cell = [](int32_t r, int32_t c) { return model::CellRect{r, c, r, c}; };
    const Case cases[] = {
        {cell(0, 0), Qt::Key_Down, Qt::ControlModifier, cell(4, 0)},       // to the block's end
        {cell(4, 0), Qt::Key_Down, Qt::ControlModifier, cell(9, 0)},       // to the next filled
        {cell(9, 0), Qt::Key_Down, Qt::ControlModifier, cell(LastRow, 0)}, // to the sheet's edge
        {cell(6, 0), Qt::Key_Up, Qt::ControlModifier, cell(4, 0)},         // from a gap
        {cell(4, 0), Qt::Key_Up, Qt::ControlModifier, cell(0, 0)},
        {cell(0, 0), Qt::Key_Right, Qt::ControlModifier, cell(0, 2)},
        {cell(0, 2), Qt::Key_Right, Qt::ControlModifier, cell(0, LastColumn)},
        {cell(0, 5), Qt::Key_Left, Qt::ControlModifier, cell(0, 2)},
        {cell(0, 0), Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier, {0, 0, 4, 0}},
        {cell(2, 2), Qt::Key_Home, Qt::NoModifier, cell(2, 0)},
        {cell(2, 2), Qt::Key_Home, Qt::ControlModifier, cell(0, 0)},
        {cell(2, 1), Qt::Key_End, Qt::ControlModifier, cell(9, 2)},
        {cell(2, 2), Qt::Key_A, Qt::ControlModifier, {0, 0, LastRow, LastColumn}},
    };
    for (const Case& c : cases) {
        grid().Select(c.from);
        QTest::keyClick(&grid(), static_cast<Qt::Key>(c.key), c.modifiers);
        EXPECT_EQ(grid().Selection(), c.selection)
            << model::FormatAddress(c.from) << " key " << c.key << " gave "
            << grid().SelectionAddress();
    }
}

TEST_F(Grid, PagesMoveTheViewAndTheCursorTogether) {
    grid().Select({2, 1, 2, 1});
    QTest::keyClick(&grid(), Qt::Key_PageDown);
    const int32_t page = grid().TopRow();
    EXPECT_GT(page, 5);
    EXPECT_EQ(grid().ActiveRow(), 2 + page);
    QTest::keyClick(&grid(), Qt::Key_PageUp);
    EXPECT_EQ(grid().TopRow(), 0);
    EXPECT_EQ(grid().ActiveRow(), 2);
}

TEST_F(Grid, EnterAfterTabsReturnsToTheColumnTheRunBegan) {
    grid().Select({1, 1, 1, 1});
    QTest::keyClick(&grid(), Qt::Key_Tab);
    QTest::keyClick(&grid(), Qt::Key_Tab);
    QTest::keyClick(&grid(), Qt::Key_Backtab);
    QTest::keyClicks(&grid(), "7"); // typing keeps the run
    QTest::keyClick(grid().Editor(), Qt::Key_Tab);
    EXPECT_EQ(grid().ActiveColumn(), 3);
    QTest::keyClick(&grid(), Qt::Key_Return);
    EXPECT_EQ(grid().Selection(), (model::CellRect{2, 1, 2, 1}));
    EXPECT_EQ(ObjectRef(app->RangeOf("C2")).Get("Value"), Variant(7.0));
    // An arrow ends the run.
    QTest::keyClick(&grid(), Qt::Key_Tab);
    QTest::keyClick(&grid(), Qt::Key_Right);
    QTest::keyClick(&grid(), Qt::Key_Return);
    EXPECT_EQ(grid().Selection(), (model::CellRect{3, 3, 3, 3}));
}

TEST_F(Grid, HeadingsSelectRowsAndColumnsAndShiftExtends) {
    const auto heading = [&](int32_t row, int32_t column) {
        const QRect cell = grid().CellRect(std::max(row, 0), std::max(column, 0));
        return QPoint(column < 0 ? 3 : cell.center().x(), row < 0 ? 3 : cell.center().y());
    };
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, Qt::NoModifier, heading(-1, 2));
    EXPECT_EQ(grid().Selection(), (model::CellRect{0, 2, LastRow, 2}));
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, Qt::ShiftModifier, heading(-1, 4));
    EXPECT_EQ(grid().Selection(), (model::CellRect{0, 2, LastRow, 4}));
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, Qt::NoModifier, heading(3, -1));
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, Qt::ShiftModifier, heading(1, -1));
    EXPECT_EQ(grid().Selection(), (model::CellRect{1, 0, 3, LastColumn}));
}

TEST_F(Grid, EachSheetKeepsItsOwnSelectionAndScroll) {
    grid().Select({4, 2, 6, 3});
    grid().verticalScrollBar()->setValue(3);
    window->SheetTabs()->setCurrentIndex(1);
    EXPECT_EQ(grid().Selection(), (model::CellRect{0, 0, 0, 0}));
    grid().Select({1, 1, 1, 1});
    window->SheetTabs()->setCurrentIndex(0);
    EXPECT_EQ(grid().Selection(), (model::CellRect{4, 2, 6, 3}));
    EXPECT_EQ(grid().TopRow(), 3);
    EXPECT_EQ(app->ActiveWorkbook()->Sheet(1)->View().selection, (model::CellRect{1, 1, 1, 1}));
}

TEST_F(Grid, ANoteShowsWhileTheMouseRestsOnItsCell) {
    ObjectRef(app->RangeOf("B2")).Call("AddComment", Variant("Bought by the box"));
    const QPoint onNote = grid().CellRect(1, 1).center();
    QHelpEvent rest(QEvent::ToolTip, onNote, grid().viewport()->mapToGlobal(onNote));
    QApplication::sendEvent(grid().viewport(), &rest);
    EXPECT_EQ(grid().NoteRow(), 1);
    EXPECT_EQ(grid().NoteColumn(), 1);
    EXPECT_GT(Ink(1, 2), 0); // the box reaches over the next cell
    QTest::mouseMove(grid().viewport(), grid().CellRect(5, 5).center());
    EXPECT_EQ(grid().NoteRow(), -1);
}

TEST_F(Grid, TextSpillsIntoEmptyNeighboursByItsAlignment) {
    const Variant longText("A text far wider than its cell");
    // Row 3: left; row 4: right (in D); row 5: centred (in D); row 6: left, cut by C6;
    // row 7: wrapped.
    Put("B3", longText);
    Put("D4", longText);
    Format("D4", "HorizontalAlignment", Variant(enums::HAlign::Right));
    Put("D5", longText);
    Format("D5", "HorizontalAlignment", Variant(enums::HAlign::Center));
    Put("B6", longText);
    Put("C6", Variant(5.0));
    Put("B7", longText);
    Format("B7", "WrapText", Variant(true));
    EXPECT_GT(Ink(2, 2), 0);
    EXPECT_EQ(Ink(3, 4), 0);
    EXPECT_GT(Ink(3, 2), 0);
    EXPECT_GT(Ink(4, 2), 0);
    EXPECT_GT(Ink(4, 4), 0);
    EXPECT_EQ(Ink(5, 3), 0);
    EXPECT_EQ(Ink(6, 2), 0);
}

TEST_F(Grid, EmbeddedControlsAreDrawnAndHideWhenTheirCellIsNotActive) {
    for (const auto& [address, hides] : {std::pair{"B2", true}, std::pair{"C2", false}}) {
        const ObjectRef range(app->RangeOf(address));
        range.Get("Control").ToObject().Put("Name", Variant(hides ? "CheckBox" : "DropDownList"));
        range.Get("Control").ToObject().Put("HideOnDeactivate", Variant(hides));
        range.Call("Apply");
    }
    const auto inside = [&](int32_t row, int32_t column) {
        grid().viewport()->update();
        return grid().viewport()->grab().toImage().copy(
            grid().CellRect(row, column).adjusted(3, 3, -3, -3));
    };
    grid().Select({5, 5, 5, 5});
    const QImage bare = inside(1, 3);
    EXPECT_EQ(inside(1, 1), bare) << "the check box hides";
    EXPECT_NE(inside(1, 2), bare) << "the drop-down stays";
    grid().Select({1, 1, 1, 1});
    EXPECT_NE(inside(1, 1), bare) << "the active cell shows its check box";
}

TEST(CellPainter, ANumberOrDateTooWideShowsHashesAcrossTheCell) {
    CellPainter painter;
    const QRectF cell(0, 0, 60, 20);
    model::Style style;
    const auto draw = [&](const Variant& value, const std::string& code) {
        QImage image(60, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        CellPainter::PaintShown(p, cell, cell, painter.Show(style, "DejaVu Sans", code, value, false));
        return image;
    };
    // Whether the cell shows nothing but hashes, as right-aligned text would.
    const auto hashes = [&](const QImage& image) {
        style.hAlign = enums::HAlign::Right;
        bool found = false;
        for (int n = 1; n < 20 && !found; ++n) {
            found = image == draw(Variant(QString(n, '#').toStdString()), "");
        }
        style.hAlign = enums::HAlign::General;
        return found;
    };
    EXPECT_FALSE(hashes(draw(Variant(12.0), "")));
    EXPECT_TRUE(hashes(draw(Variant(123456789.0), "#,##0.00")));
    EXPECT_TRUE(hashes(draw(Variant::Date(46363.5), "yyyy-mm-dd hh:mm")));
    EXPECT_FALSE(hashes(draw(Variant("123456789012"), ""))) << "text is cut, not hidden";
}

TEST(CellPainter, DatesOfThe1904SystemAndErrorsByName) {
    CellPainter painter;
    EXPECT_EQ(painter.Format(Variant(0.0), "yyyy-mm-dd", nullptr, true), "1904-01-01");
    EXPECT_EQ(painter.Format(Variant(1.0), "yyyy-mm-dd", nullptr, false), "1900-01-01");
    EXPECT_EQ(painter.Format(Variant(0.5), "hh:mm", nullptr, true), "12:00");
    EXPECT_EQ(painter.Format(Variant(3.0), "0.00", nullptr, true), "3.00");
    // A date value is the same day in either system.
    EXPECT_EQ(painter.Format(Variant::Date(46363), "yyyy-mm-dd", nullptr, true), "2026-12-07");
    EXPECT_EQ(painter.Format(Variant::Error(2007), "0.00"), "#DIV/0!");
    EXPECT_EQ(painter.Format(Variant::Error(2042), ""), "#N/A");
}

} // namespace
} // namespace vantor::qt
