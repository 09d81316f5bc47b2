#pragma once
#include "model/RunList.hpp"

#include <cstdint>
#include <memory>
#include <vector>

namespace vantor::model {

class StyleTable;

// The style ids down one column (including the row under the last one, which
// holds the bottom edges of the last row), as runs: run k ends before row
// Ends()[k] and holds style Ids()[k]. Immutable once built, so columns with equal
// contents, undo steps and ranges can share it. The run ends are kept apart
// from the ids and shared: a change that gives runs new styles without
// moving a run boundary (the usual effect of formatting a block) writes only
// the ids.
class ColumnStyles {
public:
    using EndsPtr = std::shared_ptr<const std::vector<int32_t>>;

    // Takes the run ends of `neighbour` instead of a copy of its own when they
    // are equal, so that columns formatted alike share them.
    ColumnStyles(std::shared_ptr<StyleTable> table, const RunList<uint32_t>& runs,
                 const ColumnStyles* neighbour = nullptr);
    ColumnStyles(std::shared_ptr<StyleTable> table, EndsPtr ends, std::vector<uint32_t> ids);
    ~ColumnStyles();
    ColumnStyles(const ColumnStyles&) = delete;
    ColumnStyles& operator=(const ColumnStyles&) = delete;

    size_t RunCount() const { return m_ids.size(); }
    const std::vector<int32_t>& Ends() const { return *m_pEnds; }
    const EndsPtr& SharedEnds() const { return m_pEnds; }
    const std::vector<uint32_t>& Ids() const { return m_ids; }
    int32_t RunStart(size_t k) const { return k == 0 ? 0 : (*m_pEnds)[k - 1]; }
    // The run holding the row.
    size_t RunIndexAt(int32_t row) const;
    uint32_t At(int32_t row) const { return m_ids[RunIndexAt(row)]; }
    // Whether both hold the same runs.
    bool SameRuns(const ColumnStyles& other) const;

private:
    std::shared_ptr<StyleTable> m_pTable;
    EndsPtr m_pEnds;
    std::vector<uint32_t> m_ids;
};

using ColumnPtr = std::shared_ptr<const ColumnStyles>;

} // namespace vantor::model
