#include "vantor/ui/KeyStore.hpp"
#include "tests/support/Files.hpp"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <random>

using namespace vantor;
namespace fs = std::filesystem;

namespace {

constexpr const char* Settings = "HKEY_CURRENT_USER\\Software\\Corvane\\Ovrin2002\\Tabo\\CFGS";
constexpr int Values = 20;

// Every value of one save carries the save's generation, so a torn or half-applied file shows.
void SaveGeneration(const KeyStore& store, const std::string& generation) {
    store.Update([&](RegFile& file) {
        for (int v = 0; v < Values; ++v) {
            file.SetString(Settings, "V" + std::to_string(v), generation + std::string(200, '.'));
        }
        return true;
    });
}

} // namespace

TEST(KeyStoreCrash, ASaveKilledAtRandomPointsLeavesTheOldOrTheNewFileWholeAndNoTemporaryFileOutlivesTheNextSave) {
    constexpr int Rounds = 200;
    // In memory where possible: a killed process is the point here, not a lost disk, and
    // without the cost of flushing to disk the kills meet every step of a save.
    const fs::path base = ::access("/dev/shm", W_OK) == 0 ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "vantor-crash-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path folder = pattern;
    const KeyStore store(folder / "registry.reg");
    SaveGeneration(store, "first");

    std::mt19937 random(20261207);
    std::uniform_int_distribution<int64_t> delay(0, 2000); // thousandths of the first save's time
    int leftBehind = 0; // kills that landed while a temporary file existed
    for (int round = 0; round < Rounds; ++round) {
        int started[2];
        ASSERT_EQ(::pipe(started), 0);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(started[0]);
            try {
                for (int save = 0;; ++save) {
                    SaveGeneration(store, std::to_string(round) + "." + std::to_string(save));
                    if (save == 0) {
                        ::close(started[1]); // the parent now knows how long a save takes here
                    }
                }
            } catch (...) {
            }
            ::_exit(1);
        }
        const auto forked = std::chrono::steady_clock::now();
        ::close(started[1]);
        char ignored = 0;
        ASSERT_EQ(::read(started[0], &ignored, 1), 0);
        ::close(started[0]);
        // A kill anywhere in the next save or two, however slow saving is in this build.
        const auto firstSave = std::chrono::steady_clock::now() - forked;
        ::usleep(static_cast<useconds_t>(
            delay(random) * std::chrono::duration_cast<std::chrono::microseconds>(firstSave).count() / 1000));
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process failed on its own in round " << round;

        const RegFile file = store.Read();
        ASSERT_FALSE(file.Problem().has_value()) << *file.Problem();
        const std::optional<std::string> generation = file.QueryString(Settings, "V0");
        ASSERT_TRUE(generation.has_value());
        for (int v = 1; v < Values; ++v) {
            ASSERT_EQ(file.QueryString(Settings, "V" + std::to_string(v)), generation) << "round " << round;
        }
        const size_t files = static_cast<size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
        leftBehind += files > 2 ? 1 : 0;

        SaveGeneration(store, "after " + std::to_string(round));
        ASSERT_EQ(test::FileNames(folder), (std::vector<std::string>{"registry.reg", "registry.reg.lock"}))
            << "round " << round;
    }
    // Otherwise the kills never met a save under way and the test proved nothing.
    EXPECT_GT(leftBehind, 0);
    RecordProperty("KillsDuringATemporaryFile", leftBehind);
    fs::remove_all(folder);
}
