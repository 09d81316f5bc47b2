#include "host/DesktopAssociation.hpp"
#include "host/OptionsStore.hpp"
#include "model/Application.hpp"
#include "model/Range.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "qt/DialogPageWindow.hpp"
#include "qt/FormView.hpp"
#include "qt/PropertyDialogWindow.hpp"
#include "qt/SheetGrid.hpp"
#include "qt/StudioWindow.hpp"
#include "vantor/dialogs/CellStyles.hpp"
#include "vantor/ui/HeadlessEnvironment.hpp"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

namespace vantor::qt {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The studio over a workbook whose cells B2:C3 have the style "Money".
class StudioModel : public ::testing::Test {
protected:
    StudioModel() {
        book = ObjectRef(app->AddWorkbook("Book1"));
        book.Get("Styles").ToObject().Call("Add", Variant("Money"));
        ObjectRef(app->RangeOf("B2:C3")).Put("Style", Variant("Money"));
        window = std::make_unique<StudioWindow>(app, 96.0);
        window->show();
    }
    std::string Get(const std::string& address, const char* member) const {
        return ObjectRef(app->RangeOf(address)).Get(member).ToString();
    }
    // Runs `answer` on the next modal dialog of type T to show.
    template <typename T> static void WhenShown(std::function<void(T&)> answer) {
        QTimer::singleShot(0, [answer] {
            if (auto* dialog = dynamic_cast<T*>(QApplication::activeModalWidget())) {
                answer(*dialog);
            }
        });
    }

    HeadlessEnvironment env;
    EnvironmentScope scope{env};
    std::shared_ptr<model::Application> app = model::Application::Create();
    ObjectRef book;
    std::unique_ptr<StudioWindow> window;
};

TEST_F(StudioModel, ModifyingAStyleReformatsItsCellsAsOneStepAndCancelChangesNothing) {
    window->Grid()->Select({1, 1, 1, 1});
    const auto styles = window->CreateDialogPage("CellStyles");
    styles->show();
    ASSERT_EQ(dynamic_cast<CellStyles&>(styles->Page()).cbxStyles->Text(), "Money");
    const auto modify = [&](bool ok) {
        WhenShown<PropertyDialogWindow>([ok](PropertyDialogWindow& dialog) {
            // Only the formats a style holds are offered.
            EXPECT_EQ(dialog.Tabs()->count(), 5);
            dialog.View(0)->Model().Control("txtFormatCode").UserType("0.000");
            ok ? dialog.accept() : dialog.reject();
        });
        QTest::mouseClick(styles->View()->Peer("cmdModify"), Qt::LeftButton);
    };
    const size_t steps = app->History()->UndoNames().size();
    const std::string plain = Get("B2", "NumberFormat");
    modify(false);
    EXPECT_EQ(Get("B2", "NumberFormat"), plain);
    EXPECT_EQ(app->History()->UndoNames().size(), steps);

    modify(true);
    for (const char* cell : {"B2", "C3"}) {
        EXPECT_EQ(Get(cell, "NumberFormat"), "0.000") << cell;
    }
    EXPECT_EQ(Get("D4", "NumberFormat"), plain);
    EXPECT_EQ(app->History()->UndoNames().front(), "Modify Style");
    window->Undo();
    EXPECT_EQ(Get("C3", "NumberFormat"), plain);
    EXPECT_TRUE(env.Messages().empty());
}

TEST_F(StudioModel, OptionsChosenInTheDialogSurviveARestartAndAreHonoured) {
    // The association and the store live in a home of the test's own.
    const QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    const KeyStore store(home.filePath("registry.reg").toStdString());
    const auto start = [&] {
        auto started = model::Application::Create();
        started->SetFileAssociation(
            std::make_shared<host::DesktopAssociation>(host::DesktopAssociation::ForUser()));
        auto options = std::make_shared<host::OptionsStore>(store);
        options->Load(ObjectRef(started));
        started->AddWorkbook("Book1");
        auto studio = std::make_unique<StudioWindow>(started, 96.0);
        studio->UseStoredOptions(options);
        studio->show();
        return studio;
    };

    const auto first = start();
    const auto dialog = first->CreateDialog(*host::DialogCatalogue::Find("Options"));
    const Form& page = dialog->View(0)->Model();
    page.Control("nbeUndoRedo").UserSetValue(Variant(2));
    page.Control("chkAutoDecimal").UserClick();
    page.Control("nbeAutoDecimal").UserSetValue(Variant(2));
    page.Control("cbxEnterDirection").UserSelect(2); // Right
    page.Control("chkFileAssoc").UserClick();
    dialog->accept();
    EXPECT_TRUE(env.Messages().empty()) << env.Messages().front().prompt;
    const std::string list = home.filePath("config/mimeapps.list").toStdString();
    EXPECT_TRUE(host::DesktopAssociation::FirstInList(ReadFile(list)));

    const auto second = start();
    const ObjectRef app2(second->App());
    EXPECT_EQ(app2.Get("UndoMaxNum"), Variant(2));
    EXPECT_EQ(app2.Get("MoveAfterReturnDirection"), Variant(enums::Direction::Right));
    EXPECT_EQ(app2.Get("FileAssoc"), Variant(true));
    SheetGrid& grid = *second->Grid();
    for (const char* typed : {"1234", "5", "7.5"}) {
        QTest::keyClicks(&grid, typed);
        QTest::keyClick(grid.Editor(), Qt::Key_Return);
    }
    const auto cell = [&](const char* address) { return ObjectRef(second->App()->RangeOf(address)).Get("Value"); };
    EXPECT_EQ(cell("A1"), Variant(12.34)); // fixed decimals, moving right
    EXPECT_EQ(cell("B1"), Variant(0.05));
    EXPECT_EQ(cell("C1"), Variant(7.5));
    // Three steps typed, two kept: the Edit menu undoes two.
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(second->UndoAction()->isEnabled());
        second->UndoAction()->trigger();
    }
    EXPECT_FALSE(second->UndoAction()->isEnabled());
    EXPECT_EQ(cell("A1"), Variant(12.34));
    EXPECT_TRUE(cell("B1").IsEmpty());
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_CONFIG_HOME");
}

TEST_F(StudioModel, HiddenSheetsHaveNoTabAndGoToSheetActivatesTheChosenOne) {
    const auto tabs = [&] {
        QStringList names;
        for (int i = 0; i < window->SheetTabs()->count(); ++i) {
            names << window->SheetTabs()->tabText(i);
        }
        return names.join(",");
    };
    const auto& sheets = app->ActiveWorkbook()->Sheets();
    ASSERT_EQ(sheets.size(), 3u);
    const ObjectRef first(sheets[0]);
    first.Put("Visible", Variant(false));
    window->Refresh();
    EXPECT_EQ(tabs(), "Sheet2,Sheet3");
    // A tab shows the sheet it names, not the one at its position.
    window->SheetTabs()->setCurrentIndex(1);
    EXPECT_EQ(window->Grid()->Sheet()->Name(), "Sheet3");

    // The preview draws the chosen sheet's cells: a filled A1 shows in its corner.
    const ObjectRef a1 = first.Call("Range", Variant("A1")).ToObject();
    a1.Get("Interior").ToObject().Put("Color", Variant(0x0000FF));
    a1.Call("Apply");
    const auto goTo = [&](int32_t item, QRgb* corner) {
        WhenShown<DialogPageWindow>([item, corner](DialogPageWindow& dialog) {
            dialog.Page().Control("lstSheets").UserSelect(item);
            QWidget* preview = dialog.View()->Peer("picPreview");
            *corner = preview->grab().toImage().pixel(preview->contentsRect().topLeft() + QPoint(4, 4));
            QTest::mouseClick(dialog.View()->Peer("cmdOK"), Qt::LeftButton);
        });
        window->RunDialogPage("SheetChoice");
    };
    QRgb corner = 0;
    goTo(1, &corner);
    EXPECT_EQ(window->App()->ActiveSheet()->Name(), "Sheet2");
    EXPECT_EQ(window->SheetTabs()->tabText(window->SheetTabs()->currentIndex()), "Sheet2");
    EXPECT_EQ(corner, qRgb(255, 255, 255));
    // The hidden sheet chosen comes back with its tab.
    goTo(0, &corner);
    EXPECT_EQ(corner, qRgb(255, 0, 0));
    EXPECT_EQ(window->Grid()->Sheet()->Name(), "Sheet1");
    EXPECT_EQ(tabs(), "Sheet1,Sheet2,Sheet3");
    EXPECT_EQ(app->History()->UndoNames().front(), "Show Sheet");
}

TEST_F(StudioModel, SaveAsSaysWhatTheFileWillLoseBeforeWritingAndCancelWritesNothing) {
    const QTemporaryDir dir;
    ObjectRef(app->RangeOf("A1")).Call("AddComment", Variant("First"));
    ASSERT_TRUE(window->SaveAs(dir.filePath("notes.xlsx")));
    // Another program's shape in the drawing that also holds the notes.
    const char* addShape =
        "import sys, zipfile\n"
        "src, dst = zipfile.ZipFile(sys.argv[1]), zipfile.ZipFile(sys.argv[2], 'w')\n"
        "for item in src.infolist():\n"
        "    data = src.read(item.filename)\n"
        "    if item.filename.endswith('.vml'):\n"
        "        data = data.replace(b'</xml>', b'<v:shape id=\"s9\" type=\"#_x0000_t202\">"
        "<x:ClientData ObjectType=\"Rect\"/></v:shape></xml>')\n"
        "    dst.writestr(item, data)\n"
        "dst.close()\n";
    ASSERT_EQ(QProcess::execute("/usr/bin/python3", {"-c", addShape, dir.filePath("notes.xlsx"),
                                                     dir.filePath("shapes.xlsx")}),
              0);
    ASSERT_TRUE(window->OpenFile(dir.filePath("shapes.xlsx")));
    ObjectRef(app->RangeOf("A1")).Get("Comment").ToObject().Put("Text", Variant("Changed"));

    const QString copy = dir.filePath("copy.xlsx");
    env.QueueAnswer(msgbox::Cancel);
    EXPECT_FALSE(window->SaveAs(copy));
    EXPECT_FALSE(QFile::exists(copy));
    ASSERT_EQ(env.Messages().size(), 1u);
    EXPECT_NE(env.Messages()[0].prompt.find("shapes beside the notes"), std::string::npos)
        << env.Messages()[0].prompt;
    env.QueueAnswer(msgbox::Ok);
    EXPECT_TRUE(window->SaveAs(copy));
    EXPECT_TRUE(QFile::exists(copy));
    EXPECT_EQ(env.Messages().size(), 2u);
}

} // namespace
} // namespace vantor::qt
