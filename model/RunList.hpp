#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace vantor::model {

// A value for every index of [0, size), stored as runs of equal values.
// Neighbouring runs always hold different values, so the number of runs is
// the number of changes along the list, and every pass costs its runs.
template <typename T> class RunList {
public:
    struct Run {
        int32_t end; // one past the last index of the run
        T value;
        bool operator==(const Run&) const = default;
    };

    RunList() = default;
    RunList(int32_t size, T value) { m_runs.push_back(Run{size, std::move(value)}); }

    int32_t Size() const { return m_runs.empty() ? 0 : m_runs.back().end; }
    size_t RunCount() const { return m_runs.size(); }
    const std::vector<Run>& Runs() const { return m_runs; }

    // The run holding index i.
    size_t RunIndexAt(int32_t i) const {
        const auto it = std::upper_bound(m_runs.begin(), m_runs.end(), i,
                                         [](int32_t v, const Run& r) { return v < r.end; });
        return static_cast<size_t>(it - m_runs.begin());
    }
    const T& At(int32_t i) const { return m_runs[RunIndexAt(i)].value; }
    int32_t RunStart(size_t runIndex) const { return runIndex == 0 ? 0 : m_runs[runIndex - 1].end; }

    // Calls f(first, last, value) for each run over [first, last], clipped.
    template <typename F> void ForEach(int32_t first, int32_t last, F&& f) const {
        for (size_t k = RunIndexAt(first); k < m_runs.size(); ++k) {
            const int32_t start = std::max(first, RunStart(k));
            if (start > last) {
                break;
            }
            f(start, std::min(last, m_runs[k].end - 1), m_runs[k].value);
        }
    }

    // A copy where every value over [first, last] is replaced by f(value).
    template <typename F> RunList Mapped(int32_t first, int32_t last, F&& f) const {
        RunList out;
        out.m_runs.reserve(m_runs.size() + 2);
        const size_t k0 = RunIndexAt(first);
        const size_t k1 = RunIndexAt(last);
        // Runs before the block stay as they are.
        out.m_runs.insert(out.m_runs.end(), m_runs.begin(),
                          m_runs.begin() + static_cast<std::ptrdiff_t>(k0));
        if (RunStart(k0) < first) {
            out.Append(first, m_runs[k0].value);
        }
        for (size_t k = k0; k < k1; ++k) {
            out.Append(m_runs[k].end, f(m_runs[k].value));
        }
        out.Append(last + 1, f(m_runs[k1].value));
        if (m_runs[k1].end > last + 1) {
            out.Append(m_runs[k1].end, m_runs[k1].value);
        }
        // Runs after it too; only the first may join the block's last run.
        if (k1 + 1 < m_runs.size()) {
            out.Append(m_runs[k1 + 1].end, m_runs[k1 + 1].value);
            out.m_runs.insert(out.m_runs.end(),
                              m_runs.begin() + static_cast<std::ptrdiff_t>(k1 + 2), m_runs.end());
        }
        return out;
    }

    void Assign(int32_t first, int32_t last, const T& value) {
        *this = Mapped(first, last, [&](const T&) { return value; });
    }

    bool operator==(const RunList&) const = default;

    // Builds a list from its start: adds a run ending at `end`, merged with
    // the last one when equal.
    void Append(int32_t end, T value) {
        if (!m_runs.empty() && m_runs.back().value == value) {
            m_runs.back().end = end;
        } else {
            m_runs.push_back(Run{end, std::move(value)});
        }
    }

private:
    std::vector<Run> m_runs;
};

} // namespace vantor::model
