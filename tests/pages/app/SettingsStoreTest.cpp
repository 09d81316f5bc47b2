#include "vantor/pages/app/SettingsStore.hpp"
#include "vantor/pages/app/BrowseFolder.hpp"
#include "vantor/ui/HeadlessEnvironment.hpp"

#include <gtest/gtest.h>

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
