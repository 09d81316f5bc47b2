#include "vantor/pages/app/SettingsStore.hpp"
#include "tests/pages/app/RegistryFile.hpp"
#include "vantor/pages/app/BrowseFolder.hpp"
#include "vantor/ui/HeadlessEnvironment.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

TEST(SettingsStore, ReadsValuesInFullOrTheirDefault) {
    RegistryFile reg;
    const std::string longFolder = "/srv/backup/" + std::string(300, 'x');
    reg.Store("Book.BackupPath", longFolder);
    const SettingsStore store(KeyStore::Default());
    const std::optional<RegistryKey> key = store.OpenForReading();
    ASSERT_TRUE(key.has_value());
    EXPECT_EQ(SettingsStore::ReadRegString(*key, "Book.BackupPath", "C:\\Temp"), longFolder);
    EXPECT_EQ(SettingsStore::ReadRegString(*key, "App.DefaultBookName", "Book %1"), "Book %1");
}

TEST(SettingsStore, AMissingKeyIsNoErrorAndWritingCreatesIt) {
    RegistryFile reg;
    const SettingsStore store(KeyStore::Default());
    EXPECT_FALSE(store.OpenForReading().has_value());
    RegistryKey key = store.OpenForWriting();
    SettingsStore::WriteRegString(key, "Book.BackupPath", "/tmp/b");
    EXPECT_EQ(reg.Read("Book.BackupPath"), "/tmp/b");
}

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
