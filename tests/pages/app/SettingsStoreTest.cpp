#include "vantor/pages/app/SettingsStore.hpp"
#include "tests/support/RegistryFile.hpp"
#include "vantor/pages/app/AppMisc.hpp"
#include "vantor/pages/app/AppProp.hpp"
#include "vantor/pages/app/AppPropDefault.hpp"
#include "vantor/pages/app/BrowseFolder.hpp"
#include "vantor/ui/HeadlessEnvironment.hpp"

#include <gtest/gtest.h>

#include <tuple>

using namespace vantor;

TEST(SettingsStore, OnlyTrueInAnyCaseIsSet) {
    for (const char* text : {"true", "TRUE", "True"}) {
        EXPECT_TRUE(SettingsStore::IsTrue(text)) << text;
    }
    for (const char* text : {"1", "yes", "", "false", " true"}) {
        EXPECT_FALSE(SettingsStore::IsTrue(text)) << text;
    }
    EXPECT_EQ(SettingsStore::BooleanText(true), "True");
    EXPECT_EQ(SettingsStore::BooleanText(false), "False");
}

TEST(BrowseFolder, ReturnsTheChoiceOrTheInitialPath) {
    HeadlessEnvironment env;
    EnvironmentScope scope(env);
    env.QueueFolder("/home/ann/backup");
    EXPECT_EQ(SelectFolder("/tmp", "Pick"), "/home/ann/backup");
    env.QueueFolder(std::nullopt); // cancelled
    EXPECT_EQ(SelectFolder("/tmp", "Pick"), "/tmp");
    env.QueueFolder(""); // an item without a file-system path
    EXPECT_EQ(SelectFolder("", "Pick"), "");
    ASSERT_EQ(env.FolderRequests().size(), 3u);
    EXPECT_EQ(env.FolderRequests()[0].title, "Pick");
    EXPECT_EQ(env.FolderRequests()[1].initialPath, "/tmp");
}

TEST(SettingsStore, TheDefaultBackupFolderIsInTheUserDataDirectory) {
    const std::string savedHome = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    struct Case {
        const char* xdg; // nullptr: unset
        const char* home;
        const char* folder;
    };
    const Case cases[] = {
        {"/data/ann", "/home/ann", "/data/ann/vantor/backup"},
        {nullptr, "/home/ann", "/home/ann/.local/share/vantor/backup"},
        {"", "/home/bob", "/home/bob/.local/share/vantor/backup"},
        {"relative/dir", "/home/bob", "/home/bob/.local/share/vantor/backup"}, // only absolute paths count
    };
    for (const Case& c : cases) {
        c.xdg != nullptr ? ::setenv("XDG_DATA_HOME", c.xdg, 1) : ::unsetenv("XDG_DATA_HOME");
        ::setenv("HOME", c.home, 1);
        EXPECT_EQ(SettingsStore::DefaultBackupPath(), c.folder) << (c.xdg ? c.xdg : "(unset)");
    }
    ::unsetenv("XDG_DATA_HOME");
    ::setenv("HOME", savedHome.c_str(), 1);
}

TEST(AppPages, TheirFormsHoldTheNamedStaticControls) {
    const test::RegistryFile reg; // the settings page reads its store
    HeadlessEnvironment env;
    EnvironmentScope scope(env);
    const AppProp app;
    const AppPropDefault defaults;
    const AppMisc misc;
    const std::tuple<const Form*, const char*, const char*> named[] = {
        {&app, "Label6", "Label"},         {&app, "Label7", "Label"},
        {&app, "Label9", "Label"},         {&defaults, "Label4", "Label"},
        {&defaults, "Label5", "Label"},    {&misc, "CompartLine2", "CompartLine"},
        {&misc, "CompartLine3", "CompartLine"}};
    for (const auto& [form, name, kind] : named) {
        EXPECT_EQ(form->Control(name).Kind(), kind) << name;
    }
}
