// Opening and saving a workbook file of a million cells (100,000 rows by 10
// columns of numbers and texts, 1,000 distinct styles scattered cell by cell),
// against openpyxl opening and saving the same file in the same run; the peak
// memory a load adds against the size of the sheet's XML; and the cost of a
// tenth of the cells, to show the cost grows linearly.
#include "model/Application.hpp"
#include "vantor/automation/Enumerations.hpp"
#include "model/CellStore.hpp"
#include "model/Constants.hpp"
#include "model/StyleTable.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "xlsx/PackageReader.hpp"
#include "xlsx/WorkbookFile.hpp"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

using namespace vantor;
using namespace vantor::model;

namespace {

constexpr int32_t kColumns = 10;
constexpr int32_t kStyles = 1000;

std::shared_ptr<Application> NewApp() {
    return Application::Create({"Liberation Sans", "DejaVu Sans"});
}

std::string FileFor(int32_t rows) {
    return (std::filesystem::temp_directory_path() / ("vantor-bench-" + std::to_string(rows) + ".xlsx")).string();
}

// Writes the workbook file of `rows` rows once per run, built through the model's bulk path.
const std::string& BenchFile(int32_t rows) {
    static std::map<int32_t, std::string> files;
    auto [it, fresh] = files.try_emplace(rows, FileFor(rows));
    if (!fresh) {
        return it->second;
    }
    const auto app = NewApp();
    const auto book = app->AddWorkbook("Bench");
    const auto sheet = book->Sheet(0);
    StyleTable& table = *book->Styles();
    std::vector<uint32_t> ids;
    for (int32_t i = 0; i < kStyles; ++i) {
        Style s = table.Default();
        s.fontSize = 8 + i % 10;
        s.bold = i % 2 == 1;
        s.fontColor = static_cast<uint32_t>(i) * 16411u % 0xFFFFFFu;
        s.numberFormat = table.NumberFormats().Intern(i % 3 == 0 ? "0.00" : i % 3 == 1 ? "#,##0" : "");
        s.hAlign = i % 4 == 0 ? enums::HAlign::Center : enums::HAlign::General;
        ids.push_back(table.Intern(s));
    }
    for (int32_t c = 0; c < kColumns; ++c) {
        std::vector<std::pair<int32_t, uint32_t>> runs;
        for (int32_t r = 0; r < rows; ++r) {
            runs.emplace_back(r + 1, ids[static_cast<size_t>((r * 7 + c * 131) % kStyles)]);
        }
        sheet->LoadColumnStyleIds(c, c, runs);
    }
    sheet->ChangeCells([&](CellStore& store) {
        for (int32_t c = 0; c < kColumns; ++c) {
            for (int32_t r = 0; r < rows; ++r) {
                const CellRect cell{r, c, r, c};
                if (c % 2 == 0) {
                    store.SetValue(cell, Variant(r * 1.25 + c));
                } else {
                    store.SetValue(cell, Variant("Item " + std::to_string((r * 31 + c) % 20000)));
                }
            }
        }
    });
    xlsx::SaveWorkbook(*book, it->second);
    return it->second;
}

void BM_Load(benchmark::State& state) {
    const std::string& file = BenchFile(static_cast<int32_t>(state.range(0)));
    for (auto _ : state) {
        const auto app = NewApp();
        benchmark::DoNotOptimize(xlsx::OpenWorkbook(app, file));
    }
    state.counters["cells"] = static_cast<double>(state.range(0) * kColumns);
}

void BM_Save(benchmark::State& state) {
    const std::string& file = BenchFile(static_cast<int32_t>(state.range(0)));
    const auto app = NewApp();
    const auto book = xlsx::OpenWorkbook(app, file);
    const std::string out = file + ".saved.xlsx";
    for (auto _ : state) {
        xlsx::SaveWorkbook(*book, out);
    }
    std::filesystem::remove(out);
    state.counters["cells"] = static_cast<double>(state.range(0) * kColumns);
}

long StatusKiB(const char* field) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::stol(line.substr(std::string(field).size()));
        }
    }
    return 0;
}

// The growth of the process's peak resident memory while a load runs, with the model it builds.
void BM_LoadPeakMemory(benchmark::State& state) {
    const std::string& file = BenchFile(static_cast<int32_t>(state.range(0)));
    const double sheetXml = static_cast<double>(xlsx::PackageReader(file).DeclaredSize("xl/worksheets/sheet1.xml"));
    double growth = 0;
    for (auto _ : state) {
        // Writing 5 to clear_refs restarts the peak at the present size.
        std::ofstream("/proc/self/clear_refs") << "5";
        const long before = StatusKiB("VmRSS:");
        const auto app = NewApp();
        const auto book = xlsx::OpenWorkbook(app, file);
        growth = static_cast<double>(StatusKiB("VmHWM:") - before) * 1024.0;
        benchmark::DoNotOptimize(book);
    }
    state.counters["sheet_xml_MB"] = sheetXml / 1e6;
    state.counters["peak_growth_MB"] = growth / 1e6;
    state.counters["growth_per_xml"] = growth / sheetXml;
}

// Ten times the cells should cost at most twelve times the time.
void BM_LoadScaling(benchmark::State& state) {
    const std::string& small = BenchFile(10000);
    const std::string& large = BenchFile(100000);
    double ratio = 0;
    for (auto _ : state) {
        auto time = [](const std::string& file) {
            const auto start = std::chrono::steady_clock::now();
            const auto app = NewApp();
            benchmark::DoNotOptimize(xlsx::OpenWorkbook(app, file));
            return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        };
        const double t1 = time(small);
        ratio = time(large) / t1;
    }
    state.counters["time_1M_per_100k"] = ratio;
}

// openpyxl on the same file in the same run, timed by itself.
void BM_Openpyxl(benchmark::State& state) {
    const std::string& file = BenchFile(static_cast<int32_t>(state.range(0)));
    const std::string script = R"PY(
import sys, time, openpyxl
t0 = time.perf_counter()
wb = openpyxl.load_workbook(sys.argv[1])
t1 = time.perf_counter()
wb.save(sys.argv[1] + '.openpyxl.xlsx')
t2 = time.perf_counter()
print(t1 - t0, t2 - t1)
)PY";
    const std::string scriptFile = file + ".py";
    std::ofstream(scriptFile) << script;
    double load = 0, save = 0;
    for (auto _ : state) {
        FILE* pipe = popen(("/usr/bin/python3 '" + scriptFile + "' '" + file + "'").c_str(), "r");
        if (!pipe || std::fscanf(pipe, "%lf %lf", &load, &save) != 2) {
            state.SkipWithError("openpyxl did not run");
        }
        if (pipe) {
            pclose(pipe);
        }
        state.SetIterationTime(load + save);
    }
    std::filesystem::remove(scriptFile);
    std::filesystem::remove(file + ".openpyxl.xlsx");
    state.counters["load_s"] = load;
    state.counters["save_s"] = save;
}

} // namespace

BENCHMARK(BM_Load)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPeakMemory)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadScaling)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Openpyxl)->Arg(100000)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
