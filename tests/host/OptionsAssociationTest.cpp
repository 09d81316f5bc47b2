#include "host/DesktopAssociation.hpp"
#include "host/OptionsStore.hpp"
#include "model/Application.hpp"
#include "tests/support/PageHarness.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace vantor;
using namespace vantor::host;

namespace {

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void Spill(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

struct TempDir {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("vantor-options-" + std::to_string(::getpid()) + "-" +
                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    TempDir() { std::filesystem::create_directories(path); }
    ~TempDir() { std::filesystem::remove_all(path); }
};

ObjectRef NewApp() {
    return ObjectRef(model::Application::Create(std::vector<std::string>{"Sans"}));
}

} // namespace

TEST(OptionsStore, ASecondApplicationReadsWhatTheFirstKept) {
    test::PageHarness h;
    TempDir dir;
    const KeyStore file(dir.path / "registry.reg");
    OptionsStore first(file);
    const ObjectRef app = NewApp();
    first.Load(app);
    app.Put("UndoMaxNum", 40);
    app.Put("EnableUndo", false);
    app.Put("MoveAfterReturnDirection", -4161);
    app.Put("FixedDecimal", true);
    app.Put("DefaultDisplayGridlines", false);
    app.Put("DefaultGridlineColor", 255);
    first.Save(app);
    EXPECT_EQ(file.Read().QueryString(OptionsStore::KeyPath, "UndoMaxNum"), "40");
    EXPECT_FALSE(file.Read().QueryString(OptionsStore::KeyPath, "SheetsInNewWorkbook"))
        << "only what changed is written";

    OptionsStore second(file);
    const ObjectRef restarted = NewApp();
    second.Load(restarted);
    for (const char* member : {"UndoMaxNum", "EnableUndo", "MoveAfterReturnDirection",
                               "FixedDecimal", "DefaultDisplayGridlines", "DefaultGridlineColor"}) {
        EXPECT_EQ(restarted.Get(member), app.Get(member)) << member;
    }
    // Automatic comes back automatic, not as the silver it reads as.
    restarted.Put("DefaultGridlineColorIndex", -4105);
    second.Save(restarted);
    const ObjectRef third = NewApp();
    third.Put("DefaultGridlineColor", 12632256);
    OptionsStore(file).Load(third);
    EXPECT_EQ(third.Get("DefaultGridlineColorIndex"), Variant(-4105));
    EXPECT_TRUE(h.env.Messages().empty());
}

TEST(OptionsStore, AnUnreadableStoreGivesTheDefaultsAndSaysSoOnce) {
    test::PageHarness h;
    TempDir dir;
    Spill(dir.path / "registry.reg", std::string("\x00\x01\xFF binary", 10));
    OptionsStore store{KeyStore(dir.path / "registry.reg")};
    const ObjectRef app = NewApp();
    store.Load(app);
    store.Load(NewApp());
    EXPECT_EQ(app.Get("UndoMaxNum"), NewApp().Get("UndoMaxNum"));
    ASSERT_EQ(h.env.Messages().size(), 1u);
    EXPECT_EQ(h.env.Messages()[0].prompt.rfind(OptionsStore::Problem, 0), 0u);
    ASSERT_EQ(h.LogLines().size(), 1u);
    EXPECT_EQ(h.LogLines()[0].rfind("Error: 1004,", 0), 0u);

    // A value the application refuses is said too, and the rest still load.
    Spill(dir.path / "other.reg", "REGEDIT4\n\n[" + std::string(OptionsStore::KeyPath) +
                                      "]\n\"UndoMaxNum\"=\"9999\"\n\"FixedDecimalPlaces\"=\"4\"\n");
    test::PageHarness h2;
    const ObjectRef other = NewApp();
    OptionsStore(KeyStore(dir.path / "other.reg")).Load(other);
    EXPECT_EQ(other.Get("FixedDecimalPlaces"), Variant(4));
    EXPECT_EQ(h2.env.Messages().size(), 1u);
}

TEST(DesktopAssociation, EditsOnlyItsOwnIdInTheList) {
    const std::string type = DesktopAssociation::MimeType;
    struct Case {
        std::string before;
        std::string on;  // the list with our id first
        std::string off; // the list after turning it off again
    };
    const Case cases[] = {
        {"", "[Default Applications]\n" + type + "=vantor-studio.desktop;\n",
         "[Default Applications]\n"},
        {"# mine\r\n[Default Applications]\r\ntext/plain=gedit.desktop;\r\n\r\n[Added Associations]\r\n" +
             type + "=calc.desktop;\r\n",
         "# mine\r\n[Default Applications]\r\ntext/plain=gedit.desktop;\r\n" + type +
             "=vantor-studio.desktop;\r\n\r\n[Added Associations]\r\n" + type + "=calc.desktop;\r\n",
         "# mine\r\n[Default Applications]\r\ntext/plain=gedit.desktop;\r\n\r\n[Added Associations]\r\n" +
             type + "=calc.desktop;\r\n"},
        {"[Default Applications]\n" + type + "=calc.desktop;vantor-studio.desktop;other.desktop\nx=y",
         "[Default Applications]\n" + type + "=vantor-studio.desktop;calc.desktop;other.desktop;\nx=y",
         "[Default Applications]\n" + type + "=calc.desktop;other.desktop;\nx=y"},
    };
    for (const Case& c : cases) {
        const std::string on = DesktopAssociation::Edited(c.before, true);
        EXPECT_EQ(on, c.on);
        EXPECT_TRUE(DesktopAssociation::FirstInList(on));
        EXPECT_EQ(DesktopAssociation::Edited(on, true), on) << "on twice changes nothing";
        const std::string off = DesktopAssociation::Edited(on, false);
        EXPECT_EQ(off, c.off);
        EXPECT_FALSE(DesktopAssociation::FirstInList(off));
    }
    EXPECT_FALSE(DesktopAssociation::FirstInList(cases[2].before)) << "ours is not first";
}

TEST(DesktopAssociation, TheApplicationTurnsItOnAndOffInATemporaryHome) {
    TempDir dir;
    const std::string kept = "[Default Applications]\ntext/csv=calc.desktop;\n";
    Spill(dir.path / "config" / "mimeapps.list", kept);
    auto service = std::make_shared<DesktopAssociation>(dir.path / "data", dir.path / "config",
                                                        "/opt/my tools/vantor-studio");
    const auto app = model::Application::Create(std::vector<std::string>{"Sans"});
    app->SetFileAssociation(service);
    const ObjectRef application(app);
    EXPECT_EQ(application.Get("FileAssoc"), Variant(false));
    application.Put("FileAssoc", true);
    EXPECT_EQ(application.Get("FileAssoc"), Variant(true));
    const std::string entry = Slurp(service->EntryPath());
    EXPECT_NE(entry.find("Exec=\"/opt/my tools/vantor-studio\" %f\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find(std::string("MimeType=") + DesktopAssociation::MimeType), std::string::npos);
    application.Put("FileAssoc", false);
    EXPECT_EQ(application.Get("FileAssoc"), Variant(false));
    EXPECT_EQ(Slurp(service->ListPath()), kept);
}
