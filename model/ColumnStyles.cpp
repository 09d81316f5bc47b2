#include "model/ColumnStyles.hpp"

#include "model/StyleTable.hpp"

#include <algorithm>

namespace vantor::model {

namespace {

ColumnStyles::EndsPtr EndsOf(const RunList<uint32_t>& runs, const ColumnStyles* neighbour) {
    const auto& list = runs.Runs();
    if (neighbour != nullptr && neighbour->RunCount() == list.size() &&
        std::equal(list.begin(), list.end(), neighbour->Ends().begin(),
                   [](const auto& run, int32_t end) { return run.end == end; })) {
        return neighbour->SharedEnds();
    }
    auto ends = std::make_shared<std::vector<int32_t>>();
    ends->reserve(list.size());
    for (const auto& run : list) {
        ends->push_back(run.end);
    }
    return ends;
}

std::vector<uint32_t> IdsOf(const RunList<uint32_t>& runs) {
    std::vector<uint32_t> ids;
    ids.reserve(runs.RunCount());
    for (const auto& run : runs.Runs()) {
        ids.push_back(run.value);
    }
    return ids;
}

} // namespace

ColumnStyles::ColumnStyles(std::shared_ptr<StyleTable> table, const RunList<uint32_t>& runs,
                           const ColumnStyles* neighbour)
    : ColumnStyles(std::move(table), EndsOf(runs, neighbour), IdsOf(runs)) {}

ColumnStyles::ColumnStyles(std::shared_ptr<StyleTable> table, EndsPtr ends,
                           std::vector<uint32_t> ids)
    : m_pTable(std::move(table)), m_pEnds(std::move(ends)), m_ids(std::move(ids)) {
    m_pTable->Register(this);
}

ColumnStyles::~ColumnStyles() {
    m_pTable->Unregister(this);
}

size_t ColumnStyles::RunIndexAt(int32_t row) const {
    const auto& ends = *m_pEnds;
    return static_cast<size_t>(std::upper_bound(ends.begin(), ends.end(), row) - ends.begin());
}

bool ColumnStyles::SameRuns(const ColumnStyles& other) const {
    return m_ids == other.m_ids && (m_pEnds == other.m_pEnds || *m_pEnds == *other.m_pEnds);
}

} // namespace vantor::model
