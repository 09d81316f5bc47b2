// Rendering and parsing costs of the number format engine, each beside a printf baseline.
#include "model/numfmt/FormatCode.hpp"
#include "model/numfmt/FormatCodeCache.hpp"
#include "model/numfmt/SerialDate.hpp"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace nf = vantor::numfmt;

namespace {

constexpr std::size_t ValueCount = 1000000;
constexpr int CodeCount = 1000;

const std::vector<double>& Doubles() {
    static const std::vector<double> values = [] {
        std::mt19937_64 random(42);
        std::uniform_real_distribution<double> distribution(-1e7, 1e7);
        std::vector<double> result(ValueCount);
        for (double& value : result)
            value = distribution(random);
        return result;
    }();
    return values;
}

const std::vector<double>& Serials() {
    static const std::vector<double> values = [] {
        std::mt19937_64 random(7);
        std::uniform_real_distribution<double> distribution(1.0, 2958465.0);
        std::vector<double> result(ValueCount);
        for (double& value : result)
            value = distribution(random);
        return result;
    }();
    return values;
}

std::vector<std::string> DistinctCodes() {
    static const char* const Shapes[] = {
        "#,##0.00\"%s\"",          "0.0%%;[Red]-0.0%%\"%s\"", "yyyy-mm-dd hh:mm \"%s\"",
        "[Blue][<100]0.000\"%s\"", "# ?\?/?\? \"%s\"",        "0.00E+00\"%s\"",
        "$#,##0_);($#,##0)\"%s\"", "[h]:mm:ss.00\"%s\"",
    };
    std::vector<std::string> codes;
    char buffer[128];
    for (int i = 0; i < CodeCount; ++i) {
        const std::string tag = std::to_string(i);
        std::snprintf(buffer, sizeof buffer, Shapes[i % 8], tag.c_str());
        codes.emplace_back(buffer);
    }
    return codes;
}

void FormatDoubles(benchmark::State& state) {
    const auto code = nf::FormatCode::Compile("#,##0.00").Code();
    for (auto _ : state) {
        for (const double value : Doubles()) {
            std::string text = code->Format(nf::FormatValue::Number(value));
            benchmark::DoNotOptimize(text.data());
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * ValueCount));
}

void PrintDoubles(benchmark::State& state) {
    char buffer[64];
    for (auto _ : state) {
        for (const double value : Doubles()) {
            std::snprintf(buffer, sizeof buffer, "%.2f", value);
            benchmark::DoNotOptimize(buffer);
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * ValueCount));
}

void FormatDates(benchmark::State& state) {
    const auto code = nf::FormatCode::Compile("yyyy-mm-dd hh:mm:ss").Code();
    for (auto _ : state) {
        for (const double serial : Serials()) {
            std::string text = code->Format(nf::FormatValue::Date(serial));
            benchmark::DoNotOptimize(text.data());
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * ValueCount));
}

void PrintDates(benchmark::State& state) {
    // The fields are split beforehand: the baseline is the printing alone.
    std::vector<nf::DateTimeFields> fields(ValueCount);
    for (std::size_t i = 0; i < ValueCount; ++i)
        nf::SplitSerial(Serials()[i], 0, fields[i]);
    char buffer[64];
    for (auto _ : state) {
        for (const nf::DateTimeFields& f : fields) {
            std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", f.m_year,
                          f.m_month, f.m_day, f.m_hour, f.m_minute, f.m_second);
            benchmark::DoNotOptimize(buffer);
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * ValueCount));
}

// Items are codes: the reported time per item is the time to parse one new code.
void ParseCodes(benchmark::State& state) {
    const std::vector<std::string> codes = DistinctCodes();
    for (auto _ : state) {
        for (const std::string& code : codes) {
            auto result = nf::FormatCode::Compile(code);
            benchmark::DoNotOptimize(result.Ok());
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * CodeCount));
}

void CacheNewCodes(benchmark::State& state) {
    const std::vector<std::string> codes = DistinctCodes();
    for (auto _ : state) {
        nf::FormatCodeCache cache;
        for (const std::string& code : codes)
            benchmark::DoNotOptimize(cache.Get(code).Ok());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * CodeCount));
}

void CacheKnownCodes(benchmark::State& state) {
    const std::vector<std::string> codes = DistinctCodes();
    nf::FormatCodeCache cache;
    for (const std::string& code : codes)
        cache.Get(code);
    for (auto _ : state) {
        for (const std::string& code : codes)
            benchmark::DoNotOptimize(cache.Get(code).Ok());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * CodeCount));
}

} // namespace

BENCHMARK(FormatDoubles)->Unit(benchmark::kMillisecond);
BENCHMARK(PrintDoubles)->Unit(benchmark::kMillisecond);
BENCHMARK(FormatDates)->Unit(benchmark::kMillisecond);
BENCHMARK(PrintDates)->Unit(benchmark::kMillisecond);
BENCHMARK(ParseCodes)->Unit(benchmark::kMicrosecond);
BENCHMARK(CacheNewCodes)->Unit(benchmark::kMicrosecond);
BENCHMARK(CacheKnownCodes)->Unit(benchmark::kMicrosecond);
