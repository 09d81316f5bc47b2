#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/SafeSave.hpp"
#include "tests/support/Files.hpp"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;

namespace {

// A writer that puts `text` into the temporary file.
std::function<void(const std::string&)> Writes(const std::string& text) {
    return [text](const std::string& tempPath) { WriteText(tempPath, text); };
}

struct stat StatOf(const fs::path& file) {
    struct stat st {};
    EXPECT_EQ(::stat(file.c_str(), &st), 0) << file;
    return st;
}

AutomationError SaveError(const fs::path& file, const std::function<void(const std::string&)>& write,
                          mode_t mode = 0600) {
    try {
        SafeSave(file.string(), write, mode);
    } catch (const AutomationError& e) {
        return e;
    }
    return AutomationError(0, "");
}

using SafeSaveFiles = FolderTest;
using SafeSaveRefusals = FolderTest;
using SafeSaveOwners = FolderTest;

} // namespace

TEST_F(SafeSaveFiles, NewFilesTakeTheirModeLessTheUmaskAndOldFilesKeepTheirs) {
    const mode_t oldMask = ::umask(022);
    SafeSave((m_folder / "settings.reg").string(), Writes("private"), 0600);
    SafeSave((m_folder / "book.xlsx").string(), Writes("shared"), 0666);
    ::umask(oldMask);
    EXPECT_EQ(StatOf(m_folder / "settings.reg").st_mode & 07777, 0600u);
    EXPECT_EQ(StatOf(m_folder / "book.xlsx").st_mode & 07777, 0644u);
    EXPECT_EQ(ReadText(m_folder / "settings.reg"), "private");

    for (const mode_t mode : {0644u, 0640u, 0604u}) {
        ::chmod((m_folder / "book.xlsx").c_str(), mode);
        SafeSave((m_folder / "book.xlsx").string(), Writes("again"), 0600);
        EXPECT_EQ(StatOf(m_folder / "book.xlsx").st_mode & 07777, mode);
    }
    EXPECT_EQ(FileNames(m_folder), (std::vector<std::string>{"book.xlsx", "settings.reg"}));
}

TEST_F(SafeSaveFiles, WritesThroughLinksToTheFileTheyName) {
    fs::create_directory(m_folder / "real");
    WriteText(m_folder / "real" / "data.reg", "old");
    fs::create_symlink("real/data.reg", m_folder / "relative");   // relative to the link's folder
    fs::create_symlink(m_folder / "relative", m_folder / "chain"); // a link to a link
    fs::create_symlink("real/new.reg", m_folder / "dangling");

    SafeSave((m_folder / "chain").string(), Writes("new"), 0600);
    EXPECT_TRUE(fs::is_symlink(m_folder / "chain"));
    EXPECT_TRUE(fs::is_symlink(m_folder / "relative"));
    EXPECT_EQ(ReadText(m_folder / "real" / "data.reg"), "new");

    SafeSave((m_folder / "dangling").string(), Writes("created"), 0600);
    EXPECT_TRUE(fs::is_symlink(m_folder / "dangling"));
    EXPECT_EQ(ReadText(m_folder / "real" / "new.reg"), "created");
    EXPECT_EQ(FileNames(m_folder / "real"), (std::vector<std::string>{"data.reg", "new.reg"}));

    fs::create_symlink("loop-b", m_folder / "loop-a");
    fs::create_symlink("loop-a", m_folder / "loop-b");
    EXPECT_EQ(SaveError(m_folder / "loop-a", Writes("x")).Number(), err::ApplicationDefined);
}

TEST_F(SafeSaveFiles, AWriterMayReplaceTheTemporaryFileItself) {
    WriteText(m_folder / "book.xlsx", "old");
    SafeSave((m_folder / "book.xlsx").string(),
             [](const std::string& tempPath) {
                 WriteText(tempPath + ".part", "replaced");
                 fs::rename(tempPath + ".part", tempPath);
             },
             0666);
    EXPECT_EQ(ReadText(m_folder / "book.xlsx"), "replaced");
    EXPECT_EQ(FileNames(m_folder), std::vector<std::string>{"book.xlsx"});
}

TEST_F(SafeSaveRefusals, WhatIsNoRegularWritableFileIsRefusedAndLeftAlone) {
    fs::create_directory(m_folder / "folder");
    ASSERT_EQ(::mkfifo((m_folder / "pipe").c_str(), 0600), 0);
    WriteText(m_folder / "readonly", "kept");
    ::chmod((m_folder / "readonly").c_str(), 0444);
    fs::create_symlink(m_folder / "pipe", m_folder / "link-to-pipe");
    std::vector<std::string> targets = {"folder", "pipe", "readonly", "link-to-pipe"};
    // A device of our own, the same as /dev/null, so a fault cannot harm the real one.
    if (::mknod((m_folder / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        targets.push_back("null");
    }
    const std::vector<std::string> before = FileNames(m_folder);
    for (const std::string& name : targets) {
        SCOPED_TRACE(name);
        bool called = false;
        const AutomationError error = SaveError(m_folder / name, [&](const std::string&) { called = true; });
        EXPECT_EQ(error.Number(), err::ApplicationDefined);
        EXPECT_NE(error.Description().find((m_folder / name).string()), std::string::npos) << error.Description();
        EXPECT_FALSE(called);
    }
    EXPECT_TRUE(fs::is_directory(m_folder / "folder"));
    EXPECT_TRUE(fs::is_fifo(m_folder / "pipe"));
    EXPECT_EQ(ReadText(m_folder / "readonly"), "kept");
    EXPECT_EQ(FileNames(m_folder), before);
}

TEST_F(SafeSaveRefusals, AFailingWriterLeavesTheOldFileAndNoTemporaryFile) {
    WriteText(m_folder / "data.reg", "old contents");
    const AutomationError own = SaveError(m_folder / "data.reg", [](const std::string& tempPath) {
        WriteText(tempPath, "half");
        throw AutomationError(err::ApplicationDefined, "the writer's own reason");
    });
    EXPECT_EQ(own.Description(), "the writer's own reason");
    const AutomationError other = SaveError(m_folder / "data.reg", [](const std::string& tempPath) {
        WriteText(tempPath, "half");
        throw std::runtime_error("disk full");
    });
    EXPECT_EQ(other.Number(), err::ApplicationDefined);
    EXPECT_NE(other.Description().find("data.reg"), std::string::npos) << other.Description();
    EXPECT_NE(other.Description().find("disk full"), std::string::npos) << other.Description();
    const AutomationError removed =
        SaveError(m_folder / "data.reg", [](const std::string& tempPath) { fs::remove(tempPath); });
    EXPECT_EQ(removed.Number(), err::ApplicationDefined);

    EXPECT_EQ(ReadText(m_folder / "data.reg"), "old contents");
    EXPECT_EQ(FileNames(m_folder), std::vector<std::string>{"data.reg"});
    EXPECT_EQ(SaveError(m_folder / "missing" / "data.reg", Writes("x")).Number(), err::ApplicationDefined);
}

TEST_F(SafeSaveFiles, StaleTemporaryFilesOfTheTargetAreRemovedAndNothingElse) {
    for (const char* name : {"data.reg", "data.reg.tmp-a1B2c3", "data.reg.tmp-zzzzzz", "data.reg.tmp-short",
                             "data.reg.tmp-toolong7", "other.reg.tmp-a1B2c3", "data.reg.lock"}) {
        WriteText(m_folder / name, "x");
    }
    fs::create_directory(m_folder / "data.reg.tmp-folder");
    RemoveStaleSaveFiles((m_folder / "data.reg").string());
    EXPECT_EQ(FileNames(m_folder), (std::vector<std::string>{"data.reg", "data.reg.lock", "data.reg.tmp-folder",
                                                              "data.reg.tmp-short", "data.reg.tmp-toolong7",
                                                              "other.reg.tmp-a1B2c3"}));
}

namespace {

// Runs `body` in a child process under another user; its exit status.
int RunAs(uid_t uid, const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        int status = 3;
        if (::setgid(uid) == 0 && ::setuid(uid) == 0) {
            status = body();
        }
        ::_exit(status);
    }
    int status = -1;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST_F(SafeSaveOwners, TheOwnerIsKeptOrTheSaveRefused) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "giving files to another user needs the superuser";
    }
    constexpr uid_t Owner = 54321;
    constexpr uid_t Other = 54322;
    ::chmod(m_folder.c_str(), 0777);
    const fs::path file = m_folder / "data.reg";
    WriteText(file, "old");
    ASSERT_EQ(::chown(file.c_str(), Owner, Owner), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);

    // The superuser saving a user's file gives it back to the user.
    SafeSave(file.string(), Writes("by root"), 0600);
    EXPECT_EQ(StatOf(file).st_uid, Owner);
    EXPECT_EQ(StatOf(file).st_gid, Owner);
    EXPECT_EQ(StatOf(file).st_mode & 07777, 0640u);

    // Another user who may write the file but not give files away is refused.
    ASSERT_EQ(::chmod(file.c_str(), 0666), 0);
    const int status = RunAs(Other, [&] {
        const AutomationError error = SaveError(file, Writes("by another"));
        return error.Number() == err::ApplicationDefined && error.Description().find("owner") != std::string::npos
                   ? 0
                   : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadText(file), "by root");
    EXPECT_EQ(StatOf(file).st_uid, Owner);
    EXPECT_EQ(FileNames(m_folder), std::vector<std::string>{"data.reg"});
}
