// Opening the miscellaneous page over a large settings store, beside the cost
// of reading the store's bytes once: the page should cost within 50 times that.
#include "vantor/pages/app/AppMisc.hpp"
#include "vantor/ui/HeadlessEnvironment.hpp"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr int ValueCount = 10000;

// A store of ValueCount values of about 50 bytes, with the page's four values
// last; `keys` sections share them (1: all under the settings key).
std::filesystem::path StoreFile(int keys) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("vantor-bench-store-" + std::to_string(keys) + ".reg");
    std::ofstream out(file, std::ios::binary);
    out << "REGEDIT4\n\n; settings of many programs\n";
    for (int key = 0; key < keys; ++key) {
        out << "\n[" << (keys == 1 ? std::string(vantor::SettingsStore::KeyPath)
                                   : "HKEY_CURRENT_USER\\Software\\Vendor\\Program" + std::to_string(key))
            << "]\n";
        for (int i = key; i < ValueCount; i += keys) {
            out << "\"Option.Value" << i << "\"=\"C:\\\\Data\\\\Folder\\\\file" << i << ".txt\"\n";
        }
    }
    out << "\n[" << vantor::SettingsStore::KeyPath << "]\n"
        << "\"App.DefaultBookName\"=\"Ledger %1\"\n\"Book.DefaultSheetName\"=\"Tab%1\"\n"
        << "\"Book.BackupBeforeSave\"=\"True\"\n\"Book.BackupPath\"=\"/var/backup\"\n";
    return file;
}

void ReadBytesOnce(benchmark::State& state) {
    const std::filesystem::path file = StoreFile(static_cast<int>(state.range(0)));
    std::string bytes(std::filesystem::file_size(file), '\0');
    for (auto _ : state) {
        const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        benchmark::DoNotOptimize(::read(fd, bytes.data(), bytes.size()));
        ::close(fd);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

void OpenPage(benchmark::State& state) {
    const std::filesystem::path file = StoreFile(static_cast<int>(state.range(0)));
    ::setenv("VANTOR_REGISTRY", file.c_str(), 1);
    vantor::HeadlessEnvironment env;
    const vantor::EnvironmentScope scope(env);
    for (auto _ : state) {
        vantor::AppMisc page;
        if (page.BakFilePath->Text() != "/var/backup") {
            state.SkipWithError("the page did not read the store");
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * std::filesystem::file_size(file)));
}

} // namespace

// 1: every value under the settings key; 100: spread over a hundred keys.
BENCHMARK(ReadBytesOnce)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(OpenPage)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);
