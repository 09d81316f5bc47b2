#pragma once
#include "model/RunList.hpp"

#include <cstdint>
#include <memory>

namespace vantor::model {

class StyleTable;

// The style ids down one column (including the row under the last one, which
// holds the bottom edges of the last row), as runs. Immutable once built, so
// columns with equal contents, undo steps and ranges can share it.
class ColumnStyles {
public:
    ColumnStyles(std::shared_ptr<StyleTable> table, RunList<uint32_t> runs);
    ~ColumnStyles();
    ColumnStyles(const ColumnStyles&) = delete;
    ColumnStyles& operator=(const ColumnStyles&) = delete;

    const RunList<uint32_t>& Runs() const { return m_runs; }
    uint32_t At(int32_t row) const { return m_runs.At(row); }

private:
    std::shared_ptr<StyleTable> m_pTable;
    RunList<uint32_t> m_runs;
};

using ColumnPtr = std::shared_ptr<const ColumnStyles>;

} // namespace vantor::model
