// Reading and writing cell formats over large ranges, against a plain pass
// over a million 32-bit integers (the cost of looking at each cell's style
// once) measured in the same run.
#include "model/Application.hpp"
#include "model/ColumnStyles.hpp"
#include "model/Constants.hpp"
#include "model/Range.hpp"
#include "model/StyleTable.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "vantor/automation/Enumerations.hpp"

#include <benchmark/benchmark.h>

#include <numeric>
#include <vector>

using namespace vantor;
using namespace vantor::model;

namespace {

constexpr int32_t kSide = 1000; // a 1000 x 1000 block: a million cells

// The workbook shared by all benchmarks: Sheet1 holds a million cells whose
// neighbours all differ (65,515 font colours besides the default style),
// Sheet2 ten thousand style runs in ten columns, the rest of the sheet plain.
struct Fixture {
    std::shared_ptr<Application> app = Application::Create({"DejaVu Sans", "Liberation Sans"});
    std::shared_ptr<Workbook> book;

    Fixture() {
        book = app->AddWorkbook("Bench");
        const Style base = book->Styles()->Default();
        const auto distinct = book->Sheet(0);
        for (int32_t c = 0; c < kSide; ++c) {
            std::vector<std::pair<int32_t, Style>> runs;
            for (int32_t r = 0; r < kSide; ++r) {
                Style s = base;
                // Colours 1 to 65515: across a row they step by 1, down a column by 1000;
                // with the default style and Sheet2's 20 styles, 65,536 in all.
                s.fontColor = static_cast<uint32_t>((r * kSide + c) % 65515 + 1);
                runs.emplace_back(r + 1, s);
            }
            distinct->LoadColumnStyles(c, runs);
        }
        const auto runsSheet = book->Sheet(1);
        for (int32_t c = 0; c < 10; ++c) {
            std::vector<std::pair<int32_t, Style>> runs;
            for (int32_t k = 0; k < 1000; ++k) {
                Style s = base;
                s.fontSize = 8 + (c * 1000 + k) % 20;
                runs.emplace_back((k + 1) * 1000, s);
            }
            runsSheet->LoadColumnStyles(c, runs);
        }
    }
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

// Every property that the cell format pages read.
void ReadAll(const ObjectRef& range) {
    for (const char* name : {"HorizontalAlignment", "VerticalAlignment", "WrapText", "NumberFormat",
                             "Value", "ReadOnly", "ApplyCache"}) {
        benchmark::DoNotOptimize(range.Get(name));
    }
    const ObjectRef font = range.Get("Font").ToObject();
    for (const char* name :
         {"Name", "Size", "Bold", "Italic", "Strikethrough", "Underline", "color", "ColorIndex"}) {
        benchmark::DoNotOptimize(font.Get(name));
    }
    const ObjectRef interior = range.Get("Interior").ToObject();
    for (const char* name :
         {"color", "ColorIndex", "Pattern", "PatternColor", "PatternColorIndex"}) {
        benchmark::DoNotOptimize(interior.Get(name));
    }
    const ObjectRef borders = range.Get("Borders").ToObject();
    for (int32_t index = 5; index <= 12; ++index) {
        const ObjectRef border = borders.Call("Item", index).ToObject();
        for (const char* name : {"LineStyle", "Weight", "color", "ColorIndex"}) {
            benchmark::DoNotOptimize(border.Get(name));
        }
    }
    const Variant comment = range.Get("Comment");
    if (!comment.IsNothing()) {
        benchmark::DoNotOptimize(comment.Get("Text"));
    }
    const ObjectRef control = range.Get("Control").ToObject();
    benchmark::DoNotOptimize(control.Get("Name"));
    benchmark::DoNotOptimize(control.Get("HideOnDeactivate"));
}

void BM_BaselinePassOverMillionInts(benchmark::State& state) {
    std::vector<uint32_t> ids(size_t{kSide} * kSide);
    std::iota(ids.begin(), ids.end(), 0u);
    for (auto _ : state) {
        uint64_t sum = 0;
        for (const uint32_t id : ids) {
            sum += id;
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_BaselinePassOverMillionInts)->Unit(benchmark::kMicrosecond);

// A fresh range each time, as each dialog gets: nothing is kept between reads.
void BM_ReadAllSmallRange(benchmark::State& state) {
    const auto sheet = Shared().book->Sheet(0);
    for (auto _ : state) {
        ReadAll(ObjectRef(sheet->RangeOf("B2:C3")));
    }
}
BENCHMARK(BM_ReadAllSmallRange)->Unit(benchmark::kMicrosecond);

void BM_ReadAllMillionDistinctCells(benchmark::State& state) {
    const auto sheet = Shared().book->Sheet(0);
    for (auto _ : state) {
        ReadAll(ObjectRef(sheet->RangeOf(CellRect{0, 0, kSide - 1, kSide - 1})));
    }
}
BENCHMARK(BM_ReadAllMillionDistinctCells)->Unit(benchmark::kMicrosecond);

void BM_ReadAllWholeSheetTenThousandRuns(benchmark::State& state) {
    const auto sheet = Shared().book->Sheet(1);
    for (auto _ : state) {
        ReadAll(ObjectRef(sheet->Cells()));
    }
}
BENCHMARK(BM_ReadAllWholeSheetTenThousandRuns)->Unit(benchmark::kMicrosecond);

// One property written and applied over the million distinct cells, the
// value alternating so each apply changes every cell.
void BM_WriteApplyMillionDistinctCells(benchmark::State& state) {
    const auto sheet = Shared().book->Sheet(0);
    int32_t k = 0;
    for (auto _ : state) {
        const ObjectRef range(sheet->RangeOf(CellRect{0, 0, kSide - 1, kSide - 1}));
        range.Put("HorizontalAlignment", (k++ % 2) ? enums::HAlign::Center : enums::HAlign::Left);
        range.Call("Apply");
    }
}
BENCHMARK(BM_WriteApplyMillionDistinctCells)->Unit(benchmark::kMicrosecond);

// The same with a value never written before, so every style is new.
void BM_WriteApplyMillionDistinctCellsNewValues(benchmark::State& state) {
    const auto sheet = Shared().book->Sheet(0);
    int32_t k = 0;
    for (auto _ : state) {
        const ObjectRef range(sheet->RangeOf(CellRect{0, 0, kSide - 1, kSide - 1}));
        range.Get("Font").Put("Size", 6.0 + 0.5 * (k++ % 400));
        range.Call("Apply");
    }
}
BENCHMARK(BM_WriteApplyMillionDistinctCellsNewValues)->Unit(benchmark::kMicrosecond);

// The style table's share of the write above, alone: 65,515 styles, each
// with a font size never used before, made and stored once each (and the
// table swept as the write sweeps it). What remains of the write is the two
// passes over the million cells.
void BM_StyleTableMakesTheNewStylesOfThatWrite(benchmark::State& state) {
    const auto table = std::make_shared<StyleTable>("DejaVu Sans");
    RunList<uint32_t> runs;
    for (int32_t k = 0; k < 65515; ++k) {
        Style s = table->Default();
        s.fontColor = static_cast<uint32_t>(k + 1);
        runs.Append(k + 1, table->Intern(s));
    }
    // A column holding the styles keeps them from being swept.
    const ColumnStyles column(table, runs);
    const std::vector<uint32_t>& ids = column.Ids();
    std::vector<uint32_t> newIds;
    int32_t k = 0;
    for (auto _ : state) {
        StylePatch patch;
        patch.mask = Bit(Field::FontSize);
        patch.values.fontSize = 6.0 + 0.5 * (k++ % 400);
        table->ApplyPatch(table->PatchNumber(patch), patch, ids, newIds);
        table->CollectIfAbove(4 * constants::kMaxStyles);
        benchmark::DoNotOptimize(newIds.data());
    }
}
BENCHMARK(BM_StyleTableMakesTheNewStylesOfThatWrite)->Unit(benchmark::kMicrosecond);

// One value written beside a column holding a million values: an edit
// copies the chunks of cells it touches, not every value of the sheet.
void BM_EditOneValueBesideAMillionValues(benchmark::State& state) {
    const auto sheet = Shared().book->Sheet(2);
    static const bool filled = [&] {
        ObjectRef(sheet->RangeOf("A:A")).Put("Value", 1);
        return true;
    }();
    benchmark::DoNotOptimize(filled);
    int32_t k = 0;
    for (auto _ : state) {
        ObjectRef(sheet->RangeOf("B1")).Put("Value", k++);
    }
}
BENCHMARK(BM_EditOneValueBesideAMillionValues)->Unit(benchmark::kMicrosecond);

// Single cells formatted one after another down a column, each through a
// fresh range as a page or a file reader would: neighbours differ, so the
// column gains a run with every write, and 1,000 distinct colours recur.
// The time per write should not grow with what the column already holds:
// 100,000 writes should take at most twelve times what 10,000 take.
void BM_SingleCellWritesDownAColumn(benchmark::State& state) {
    const auto writes = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        const auto app = Application::Create({"DejaVu Sans"});
        const auto sheet = app->AddWorkbook("Writes")->Sheet(0);
        state.ResumeTiming();
        for (int32_t row = 0; row < writes; ++row) {
            const ObjectRef range(sheet->RangeOf(CellRect{row, 0, row, 0}));
            range.Get("Font").ToObject().Put("color", row % 1000 + 1);
            range.Call("Apply");
        }
        state.PauseTiming();
        benchmark::DoNotOptimize(sheet->Store().StyleAt(writes - 1, 0));
        state.ResumeTiming();
    }
    state.counters["per_write"] =
        benchmark::Counter(static_cast<double>(writes) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SingleCellWritesDownAColumn)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
