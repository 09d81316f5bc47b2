#pragma once
#include <algorithm>
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
        size_t k = 0;
        for (; k < m_runs.size() && m_runs[k].end <= first; ++k) {
            out.Append(m_runs[k].end, m_runs[k].value);
        }
        for (; k < m_runs.size(); ++k) {
            const int32_t start = RunStart(k);
            if (start > last) {
                break;
            }
            if (start < first) {
                out.Append(first, m_runs[k].value);
            }
            const int32_t end = std::min(last + 1, m_runs[k].end);
            out.Append(end, f(m_runs[k].value));
            if (m_runs[k].end > end) {
                out.Append(m_runs[k].end, m_runs[k].value);
            }
        }
        for (; k < m_runs.size(); ++k) {
            out.Append(m_runs[k].end, m_runs[k].value);
        }
        return out;
    }

    void Assign(int32_t first, int32_t last, const T& value) {
        *this = Mapped(first, last, [&](const T&) { return value; });
    }

    bool operator==(const RunList&) const = default;

private:
    // Adds a run ending at `end`, merged with the last one when equal.
    void Append(int32_t end, T value) {
        if (!m_runs.empty() && m_runs.back().value == value) {
            m_runs.back().end = end;
        } else {
            m_runs.push_back(Run{end, std::move(value)});
        }
    }

    std::vector<Run> m_runs;
};

} // namespace vantor::model
