#include "model/Application.hpp"
#include "model/Range.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "qt/SheetGrid.hpp"
#include "qt/StudioWindow.hpp"
#include "vantor/ui/HeadlessEnvironment.hpp"
#include "vantor/ui/KeyStore.hpp"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace vantor::qt {
namespace {

class StudioWindowTest : public ::testing::Test {
protected:
    StudioWindowTest() {
        app->AddWorkbook("Book1");
    }
    std::unique_ptr<StudioWindow> Open() {
        auto window = std::make_unique<StudioWindow>(app, 96.0);
        window->show();
        return window;
    }
    Variant Get(const char* address, const char* member) const {
        return ObjectRef(app->RangeOf(address)).Get(member);
    }

    HeadlessEnvironment env;
    EnvironmentScope scope{env};
    std::shared_ptr<model::Application> app = model::Application::Create();
};

TEST_F(StudioWindowTest, TypingAndDeletingOnReadOnlyCellsOfAProtectedSheetAreRefusedWithAMessage) {
    ObjectRef(app->RangeOf("A1:B2")).Put("Value", Variant(7));
    ObjectRef(app->RangeOf("A1")).Put("ReadOnly", Variant(true));
    ObjectRef(app->ActiveSheet()).Call("Protect", "pw");
    const auto window = Open();
    SheetGrid& grid = *window->Grid();
    const auto type = [&](const char* address, const char* text) {
        grid.Select(app->RangeOf(address)->Rect());
        QTest::keyClicks(&grid, text);
        QTest::keyClick(grid.Editor(), Qt::Key_Return);
    };

    type("A1", "5");
    ASSERT_EQ(env.Messages().size(), 1u);
    EXPECT_EQ(Get("A1", "Value"), Variant(7));
    grid.Select(app->RangeOf("A1:B2")->Rect());
    QTest::keyClick(&grid, Qt::Key_Delete);
    EXPECT_EQ(env.Messages().size(), 2u);
    EXPECT_EQ(Get("B2", "Value"), Variant(7)) << "a refused clear changes no cell of the block";

    type("B1", "5"); // not read-only: still editable
    EXPECT_EQ(Get("B1", "Value"), Variant(5.0));
    ObjectRef(app->ActiveSheet()).Call("Unprotect", "pw");
    type("A1", "6");
    EXPECT_EQ(Get("A1", "Value"), Variant(6.0));
    EXPECT_EQ(env.Messages().size(), 2u);
}

TEST_F(StudioWindowTest, TheWindowFitsTheScreenAndComesBackWhereItWasClosed) {
    const KeyStore store = KeyStore::Default();
    store.Update([](RegFile& file) {
        file.CreateKey(StudioWindow::StoreKey);
        file.SetString(StudioWindow::StoreKey, "Window.Geometry", "30,20,5000,4000");
        return true;
    });
    auto window = Open();
    const QRect available = window->screen()->availableGeometry();
    EXPECT_LE(window->width(), available.width());
    EXPECT_LE(window->height(), available.height());

    window->resize(420, 310);
    window->move(available.topLeft() + QPoint(17, 11));
    window->close();
    window = Open();
    EXPECT_EQ(window->size(), QSize(420, 310));
    EXPECT_EQ(window->pos(), available.topLeft() + QPoint(17, 11));
    window->close();
}

// A menu item opens only what uses its answers: the password dialog alone
// would throw its entries away, so it is reached through the protection tab.
TEST_F(StudioWindowTest, TheFormatMenuOffersCellStylesButNoBarePasswordDialog) {
    const auto window = Open();
    QStringList items;
    for (QAction* menu : window->menuBar()->actions()) {
        if (menu->text() == "F&ormat") {
            for (const QAction* item : menu->menu()->actions()) {
                items << QString(item->text()).remove('&');
            }
        }
    }
    EXPECT_TRUE(items.contains("Cell Styles...")) << items.join('|').toStdString();
    EXPECT_FALSE(items.contains("Sheet Password...")) << items.join('|').toStdString();
}

} // namespace
} // namespace vantor::qt
