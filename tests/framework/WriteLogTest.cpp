#include "tests/support/Files.hpp"
#include "tests/support/PageHarness.hpp"
#include "vantor/framework/GlobalFunction.hpp"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

using namespace vantor;
using vantor::test::PageHarness;
using vantor::test::ReadText;
namespace fs = std::filesystem;

TEST(WriteLogSafety, ANewLogIsPrivateAndAnExistingOneKeepsItsMode) {
    PageHarness h;
    const fs::path log = h.LogDir() / "Tabo Vantor.log";
    const mode_t oldMask = ::umask(0);
    WriteLog("first");
    ::umask(oldMask);
    struct stat st {};
    ASSERT_EQ(::stat(log.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    ::chmod(log.c_str(), 0640);
    WriteLog("second");
    ASSERT_EQ(::stat(log.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadText(log), "first\r\nsecond\r\n");
}

TEST(WriteLogSafety, OnlyARegularFileIsAppendedTo) {
    PageHarness h;
    const fs::path log = h.LogDir() / "Tabo Vantor.log";
    const fs::path other = h.LogDir() / "other.txt";
    std::ofstream(other) << "precious\n";

    fs::create_symlink(other, log); // planted link
    WriteLog("line");
    EXPECT_EQ(ReadText(other), "precious\n");
    fs::remove(log);

    ASSERT_EQ(::mkfifo(log.c_str(), 0600), 0);
    ::alarm(20); // a write blocked on the pipe ends the test here
    WriteLog("line");
    // With a reader on the pipe the open succeeds; nothing may be written into it either.
    const int reader = ::open(log.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    WriteLog("line");
    char buffer[16];
    EXPECT_LE(::read(reader, buffer, sizeof buffer), 0);
    ::close(reader);
    ::alarm(0);
    EXPECT_TRUE(fs::is_fifo(log));
}
