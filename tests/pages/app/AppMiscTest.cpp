#include "vantor/pages/app/AppMisc.hpp"
#include "tests/support/Files.hpp"
#include "tests/support/PageHarness.hpp"
#include "tests/support/RegistryFile.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>

using namespace vantor;
using namespace vantor::test;

using Lines = std::vector<std::string>;

namespace {

struct Fixture {
    RegistryFile reg;
    PageHarness h;
    std::shared_ptr<FakeSite> site = std::make_shared<FakeSite>();

    std::vector<std::string> Prompts() const {
        std::vector<std::string> prompts;
        for (const auto& m : h.env.Messages()) {
            prompts.push_back(m.prompt);
        }
        return prompts;
    }
};

} // namespace

TEST(AppMisc, WithoutTheKeyShowsDefaultsThatConfirmAsTheyStandAndStoresOnlyEdits) {
    Fixture f;
    ::setenv("XDG_DATA_HOME", "/data/ann", 1);
    const std::string folder = SettingsStore::DefaultBackupPath();
    AppMisc page;
    page.SetSite(f.site);
    EXPECT_EQ(page.DefaultBookName->Text(), "Book %1");
    EXPECT_EQ(page.DefaultSheetName->Text(), "Sheet%1");
    EXPECT_EQ(page.BackupBeforeSave->Value(), 0);
    EXPECT_EQ(page.BakFilePath->Text(), "/data/ann/vantor/backup");
    // Backups are off: the folder and its button wait for the box.
    EXPECT_FALSE(page.BakFilePath->Enabled());
    EXPECT_FALSE(page.Command1->Enabled());
    EXPECT_EQ(page.ValidateData(), 0);
    EXPECT_EQ(page.OnApply(), 0);
    EXPECT_FALSE(f.reg.HasKey()) << "defaults left alone are not stored";
    EXPECT_FALSE(std::filesystem::exists(folder)) << "the folder is made only when a backup needs it";

    page.BackupBeforeSave->UserClick();
    EXPECT_TRUE(page.BakFilePath->Enabled());
    EXPECT_TRUE(page.Command1->Enabled());
    page.BakFilePath->UserType(""); // an emptied folder is refused
    EXPECT_EQ(page.ValidateData(), 1);
    EXPECT_EQ(f.Prompts(), (Lines{AppMisc::NoBackupFolder}));
    EXPECT_EQ(f.h.env.Messages()[0].buttons, msgbox::OkOnly | msgbox::Information);

    page.BakFilePath->UserType("/var/backup");
    EXPECT_EQ(page.ValidateData(), 0);
    EXPECT_EQ(page.OnApply(), 0);
    EXPECT_EQ(f.reg.Read("Book.BackupPath"), "/var/backup");
    EXPECT_EQ(f.reg.Read("Book.BackupBeforeSave"), "True");
    EXPECT_EQ(f.reg.Read("App.DefaultBookName"), std::nullopt);
    AppMisc again;
    EXPECT_EQ(again.DefaultBookName->Text(), "Book %1");
    EXPECT_EQ(again.BackupBeforeSave->Value(), 1);
    EXPECT_EQ(again.BakFilePath->Text(), "/var/backup");
    ::unsetenv("XDG_DATA_HOME");
}

TEST(AppMisc, ValuesOfAnotherKindShowTheDefaultAndStayUntilTheUserChangesThem) {
    Fixture f;
    f.reg.Store("App.DefaultBookName", "Workbook %1");
    {
        std::ofstream out(f.reg.File(), std::ios::app);
        out << "\"Book.BackupBeforeSave\"=dword:00000001\n"
               "\"Book.DefaultSheetName\"=hex(2):50,00,25,00,31,00,00,00\n";
    }
    AppMisc page;
    EXPECT_EQ(page.BackupBeforeSave->Value(), 0);
    EXPECT_EQ(page.DefaultSheetName->Text(), "P%1");
    page.DefaultBookName->UserType("Book %1");
    page.OnApply();
    const std::string text = ReadText(f.reg.File());
    EXPECT_NE(text.find("=dword:00000001"), std::string::npos) << text;
    EXPECT_NE(text.find("=hex(2):50,00"), std::string::npos) << text;
    page.BackupBeforeSave->UserClick();
    page.OnApply();
    EXPECT_EQ(f.reg.Read("Book.BackupBeforeSave"), "True");
}

TEST(AppMisc, ALongFolderIsReadAndSavedBackUnchanged) {
    Fixture f;
    const std::string folder = "/mnt/archive/" + std::string(290, 'f');
    f.reg.Store("Book.BackupPath", folder);
    AppMisc page;
    EXPECT_EQ(page.BakFilePath->Text(), folder);
    page.OnApply();
    EXPECT_EQ(f.reg.Read("Book.BackupPath"), folder);
}

TEST(AppMisc, RefusesEachEmptyRequiredTextInTurnAndAcceptsBlanks) {
    Fixture f;
    f.reg.Store("Book.BackupPath", "/b");
    AppMisc page;
    page.BackupBeforeSave->UserClick();
    page.BackupBeforeSave->UserClick(); // cleared: the folder is still required
    page.DefaultBookName->UserType("");
    page.DefaultSheetName->UserType("");
    page.BakFilePath->SetText("");
    EXPECT_EQ(page.ValidateData(), 1);
    page.DefaultBookName->UserType(" ");
    EXPECT_EQ(page.ValidateData(), 1);
    page.DefaultSheetName->UserType(" ");
    EXPECT_EQ(page.ValidateData(), 1);
    page.BakFilePath->SetText(" ");
    EXPECT_EQ(page.ValidateData(), 0);
    EXPECT_EQ(f.Prompts(),
              (Lines{AppMisc::NoBookName, AppMisc::NoSheetName, AppMisc::NoBackupFolder}));
}

TEST(AppMisc, StoresTheFlagCapitalised) {
    Fixture f;
    f.reg.Store("Book.BackupBeforeSave", "false");
    AppMisc page;
    page.BackupBeforeSave->UserClick();
    page.OnApply();
    EXPECT_EQ(f.reg.Read("Book.BackupBeforeSave"), "True");
    page.BackupBeforeSave->UserClick();
    page.OnApply();
    EXPECT_EQ(f.reg.Read("Book.BackupBeforeSave"), "False");
}

TEST(AppMisc, BrowsingPutsTheChoiceAndACancelStillMarksModified) {
    Fixture f;
    f.reg.Store("Book.BackupBeforeSave", "True");
    f.reg.Store("Book.BackupPath", "/old");
    AppMisc page;
    page.SetSite(f.site);
    f.h.env.QueueFolder(std::nullopt);
    page.Command1->UserClick();
    EXPECT_EQ(page.BakFilePath->Text(), "/old");
    EXPECT_EQ(f.site->modified, 1);
    f.h.env.QueueFolder("/new");
    page.Command1->UserClick();
    EXPECT_EQ(page.BakFilePath->Text(), "/new");
    ASSERT_EQ(f.h.env.FolderRequests().size(), 2u);
    EXPECT_EQ(f.h.env.FolderRequests()[0].initialPath, "/old");
    EXPECT_EQ(f.h.env.FolderRequests()[0].title, AppMisc::FolderTitle);
}

TEST(AppMisc, ResetDiscardsEditsSilentlyAndIgnoresTargets) {
    Fixture f;
    f.reg.Store("App.DefaultBookName", "Book %1");
    AppMisc page;
    page.SetSite(f.site);
    page.DefaultBookName->UserType("Report %1");
    EXPECT_EQ(f.site->modified, 1);
    f.reg.Store("App.DefaultBookName", "Ledger %1");
    page.SetTargets(PageHarness::Targets(std::make_shared<FakeObject>()));
    EXPECT_EQ(page.DefaultBookName->Text(), "Report %1"); // targets do not reset it
    page.OnReset();
    EXPECT_EQ(page.DefaultBookName->Text(), "Ledger %1");
    EXPECT_EQ(f.site->modified, 1);
    page.DefaultSheetName->UserType("Tab%1");
    EXPECT_EQ(f.site->modified, 2);
}

TEST(AppMisc, AnApplyWritesOnlyWhatTheUserChangedSoTwoDialogsLoseNothing) {
    Fixture f;
    f.reg.Store("App.DefaultBookName", "Book %1");
    f.reg.Store("Book.DefaultSheetName", "Sheet%1");
    f.reg.Store("Book.BackupPath", "/b");
    AppMisc first;
    AppMisc second;
    first.DefaultSheetName->UserType("Tab%1");
    EXPECT_EQ(first.OnApply(), 0);
    second.DefaultBookName->UserType("Ledger %1");
    second.BackupBeforeSave->UserClick();
    EXPECT_EQ(second.OnApply(), 0);
    EXPECT_EQ(f.reg.Read("Book.DefaultSheetName"), "Tab%1") << "the other dialog's apply wrote back what it showed";
    EXPECT_EQ(f.reg.Read("App.DefaultBookName"), "Ledger %1");
    EXPECT_EQ(f.reg.Read("Book.BackupBeforeSave"), "True");

    // After an apply the page's values are what it stands on: a second apply writes only new edits.
    f.reg.Store("App.DefaultBookName", "Third %1");
    second.DefaultSheetName->UserType("Page%1");
    second.OnApply();
    EXPECT_EQ(f.reg.Read("App.DefaultBookName"), "Third %1");
    EXPECT_EQ(f.reg.Read("Book.DefaultSheetName"), "Page%1");
    EXPECT_TRUE(f.h.env.Messages().empty());
}

TEST(AppMisc, AnApplyIsStoredWholeOrNotAtAllAndAFailureSaysWhy) {
    struct Case {
        const char* name;
        const char* sheetName; // what the user types
        const char* why;       // in the message and the log
    };
    for (const Case& c : {Case{"a value that cannot be stored", "Tab\r%1", "Book.DefaultSheetName"},
                          Case{"a store of another kind", "Tab%1", "not a registry file"},
                          Case{"a read-only store", "Tab%1", "read-only"}}) {
        SCOPED_TRACE(c.name);
        Fixture f;
        if (c.why == std::string("not a registry file")) {
            WriteText(f.reg.File(), "not a registry file\n");
        } else {
            f.reg.Store("Book.BackupPath", "/b");
        }
        if (c.why == std::string("read-only")) {
            ::chmod(f.reg.File().c_str(), 0444);
        }
        const std::string before = ReadText(f.reg.File());
        AppMisc page;
        page.SetSite(f.site);
        const size_t messages = f.h.env.Messages().size(); // the unreadable store said so at load
        page.DefaultBookName->UserType("Ledger %1");
        page.DefaultSheetName->UserType(c.sheetName);
        page.BackupBeforeSave->UserClick();
        EXPECT_EQ(page.OnApply(), 0);
        EXPECT_EQ(ReadText(f.reg.File()), before);
        ASSERT_EQ(f.h.env.Messages().size(), messages + 1);
        const std::string prompt = f.h.env.Messages().back().prompt;
        EXPECT_EQ(prompt.rfind(AppMisc::NotSaved, 0), 0u) << prompt;
        EXPECT_NE(prompt.find(c.why), std::string::npos) << prompt;
        ASSERT_FALSE(f.h.LogLines().empty());
        EXPECT_EQ(f.h.LogLines().back().rfind("Error: 1004,", 0), 0u) << f.h.LogLines().back();
        EXPECT_NE(f.h.LogLines().back().find(c.why), std::string::npos) << f.h.LogLines().back();
    }
}

TEST(AppMisc, AStoreThatCannotBeReadShowsDefaultsAndSaysSoOncePerProcess) {
    struct Case {
        std::string name;
        std::string text;
        std::string bookName; // what the page shows
    };
    const std::vector<Case> cases = {
        {"binary", std::string("\x7F" "ELF\0\0\x01", 7), "Book %1"},
        {"UTF-16", std::string("\xFF\xFER\0E\0G\0", 8), "Book %1"},
        {"no registry file", "not a registry file\n", "Book %1"},
        {"a malformed line", "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Corvane\\Ovrin2002\\Tabo\\CFGS]\n"
                             "\"App.DefaultBookName\"=\"Ledger %1\"\nbroken line\n",
         "Ledger %1"},
        {"a folder", "", "Book %1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        if (c.name == "a folder") {
            std::filesystem::create_directory(f.reg.File());
        } else {
            std::ofstream(f.reg.File(), std::ios::binary) << c.text;
        }
        AppMisc page;
        EXPECT_EQ(page.DefaultBookName->Text(), c.bookName);
        EXPECT_EQ(page.DefaultSheetName->Text(), "Sheet%1");
        page.OnReset();
        AppMisc another;
        ASSERT_EQ(f.h.env.Messages().size(), 1u) << "once per process, not per open";
        EXPECT_EQ(f.h.env.Messages()[0].prompt.rfind(AppMisc::StoreProblem, 0), 0u);
        EXPECT_NE(f.h.env.Messages()[0].prompt.find(f.reg.File().string()), std::string::npos);
        ASSERT_EQ(f.h.LogLines().size(), 1u);
        EXPECT_NE(f.h.LogLines()[0].find(f.reg.File().string()), std::string::npos) << f.h.LogLines()[0];
    }
}
