#include "model/Application.hpp"
#include "model/Range.hpp"
#include "model/Workbook.hpp"
#include "qt/SheetGrid.hpp"
#include "qt/StudioWindow.hpp"
#include "vantor/ui/HeadlessEnvironment.hpp"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace vantor::qt {
namespace {

// The studio over a new workbook, its message boxes answered from a queue.
class StudioEditor : public ::testing::Test {
protected:
    StudioEditor() {
        app->AddWorkbook("Book1");
        window = std::make_unique<StudioWindow>(app, 96.0);
        window->show();
    }
    SheetGrid& Grid() { return *window->Grid(); }
    // Types into a cell as a user does: select it, type, press Enter.
    void Type(const std::string& address, const QString& text) {
        const auto range = app->RangeOf(address);
        Grid().Select(range->Rect());
        QTest::keyClicks(&Grid(), text);
        ASSERT_TRUE(Grid().Editing());
        QTest::keyClick(Grid().Editor(), Qt::Key_Return);
        EXPECT_FALSE(Grid().Editing());
    }
    static Variant Get(const std::shared_ptr<model::Application>& a, const std::string& address,
                       const char* member) {
        return ObjectRef(a->RangeOf(address)).Get(member);
    }

    HeadlessEnvironment env;
    EnvironmentScope scope{env};
    QTemporaryDir dir;
    std::shared_ptr<model::Application> app = model::Application::Create();
    std::unique_ptr<StudioWindow> window;
};

TEST_F(StudioEditor, TypedValuesOfEachKindAreSavedAndFoundAgain) {
    struct Entry {
        const char* address;
        QString typed;
        Variant value;
        const char* format;
    };
    const Entry entries[] = {
        {"A1", "-1,234.5", Variant(-1234.5), ""},
        {"A2", "12.5%", Variant(0.125), "0.00%"},
        {"A3", "2026-12-07", Variant::Date(46363), "yyyy-mm-dd"},
        {"A4", "18:56", Variant::Date((18 * 60 + 56) / 1440.0), "hh:mm"},
        {"A5", "true", Variant(true), ""},
        {"A6", "Paper, A4", Variant("Paper, A4"), ""},
        {"A7", "'007", Variant("007"), ""},
    };
    for (const Entry& e : entries) {
        Type(e.address, e.typed);
    }
    EXPECT_TRUE(window->isWindowModified());
    const QString path = dir.filePath("typed.xlsx");
    ASSERT_TRUE(window->SaveAs(path)) << env.Messages().back().prompt;
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_TRUE(window->windowTitle().startsWith("typed.xlsx"));
    EXPECT_EQ(window->RecentFiles().front(), path);

    const auto reopened = model::Application::Create();
    reopened->AddWorkbook("Book1");
    StudioWindow second(reopened, 96.0);
    ASSERT_TRUE(second.OpenFile(path));
    for (const Entry& e : entries) {
        const Variant value = Get(reopened, e.address, "Value");
        EXPECT_EQ(value.Type(), e.value.Type()) << e.address;
        EXPECT_NEAR(value.IsString() ? 0 : value.ToDouble(), e.value.IsString() ? 0 : e.value.ToDouble(),
                    1e-9)
            << e.address;
        if (value.IsString()) {
            EXPECT_EQ(value, e.value);
        }
        EXPECT_EQ(Get(reopened, e.address, "NumberFormat").ToString(), e.format) << e.address;
    }
}

TEST_F(StudioEditor, ClosingOverAnEditAsksFirst) {
    EXPECT_TRUE(window->MaybeSave()); // nothing changed yet: no question
    EXPECT_TRUE(env.Messages().empty());
    Type("B2", "5");
    env.QueueAnswer(msgbox::Cancel);
    EXPECT_FALSE(window->close());
    ASSERT_EQ(env.Messages().size(), 1U);
    EXPECT_EQ(env.Messages()[0].prompt, "Save the changes to Book1?");
    EXPECT_EQ(Get(app, "B2", "Value"), Variant(5.0));
    env.QueueAnswer(msgbox::No);
    EXPECT_TRUE(window->close());
}

TEST_F(StudioEditor, EnterMovesAsTheOptionsSay) {
    const ObjectRef options(app);
    struct Case {
        bool move;
        int32_t direction;
        int32_t row;
        int32_t column;
    };
    const Case cases[] = {{true, enums::Direction::Down, 3, 2},
                          {true, enums::Direction::Right, 2, 3},
                          {true, enums::Direction::Up, 1, 2},
                          {false, enums::Direction::Down, 2, 2}};
    for (const Case& c : cases) {
        options.Put("MoveAfterReturn", Variant(c.move));
        options.Put("MoveAfterReturnDirection", Variant(c.direction));
        Type("C3", "1");
        EXPECT_EQ(Grid().ActiveRow(), c.row) << c.direction;
        EXPECT_EQ(Grid().ActiveColumn(), c.column) << c.direction;
    }
}

TEST_F(StudioEditor, DeleteClearsAsOneStepThatUndoNames) {
    Type("A1", "1");
    Type("B1", "x");
    Grid().Select({0, 0, 0, 1});
    QTest::keyClick(&Grid(), Qt::Key_Delete);
    EXPECT_TRUE(Get(app, "A1", "Value").IsEmpty());
    EXPECT_TRUE(Get(app, "B1", "Value").IsEmpty());
    EXPECT_EQ(window->UndoAction()->text(), "&Undo Clear Contents");
    window->UndoAction()->trigger();
    EXPECT_EQ(Get(app, "B1", "Value"), Variant("x"));
    EXPECT_EQ(window->RedoAction()->text(), "&Redo Clear Contents");
    EXPECT_EQ(window->UndoAction()->text(), "&Undo Typing");
}

TEST_F(StudioEditor, EscapeLeavesTheCellAndARefusedFileLeavesTheWorkbook) {
    Grid().Select({0, 0, 0, 0});
    QTest::keyClicks(&Grid(), "lost");
    QTest::keyClick(Grid().Editor(), Qt::Key_Escape);
    EXPECT_TRUE(Get(app, "A1", "Value").IsEmpty());

    QFile bad(dir.filePath("bad.xlsx"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a workbook");
    bad.close();
    const auto before = app->ActiveWorkbook();
    EXPECT_FALSE(window->OpenFile(bad.fileName()));
    ASSERT_EQ(env.Messages().size(), 1U);
    EXPECT_NE(env.Messages()[0].prompt.find("bad.xlsx"), std::string::npos);
    EXPECT_EQ(app->ActiveWorkbook(), before);
}

} // namespace
} // namespace vantor::qt
