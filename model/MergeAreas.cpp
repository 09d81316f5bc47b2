#include "model/MergeAreas.hpp"

#include <algorithm>

namespace vantor::model {

namespace {

bool Before(const CellRect& a, const CellRect& b) {
    return a.firstRow != b.firstRow ? a.firstRow < b.firstRow : a.firstColumn < b.firstColumn;
}

bool Meet(const CellRect& a, const CellRect& b) {
    return a.firstRow <= b.lastRow && b.firstRow <= a.lastRow && a.firstColumn <= b.lastColumn &&
           b.firstColumn <= a.lastColumn;
}

} // namespace

MergeAreas::MergeAreas(std::vector<CellRect> areas) : m_areas(std::move(areas)) {
    std::sort(m_areas.begin(), m_areas.end(), Before);
}

const MergeAreas::Index& MergeAreas::TheIndex() const {
    if (m_pIndex) {
        return *m_pIndex;
    }
    auto index = std::make_shared<Index>();
    std::vector<int32_t>& bounds = index->bounds;
    for (const CellRect& a : m_areas) {
        bounds.push_back(a.firstRow);
        bounds.push_back(a.lastRow + 1);
    }
    std::sort(bounds.begin(), bounds.end());
    bounds.erase(std::unique(bounds.begin(), bounds.end()), bounds.end());
    // Leaves n..2n-1 stand for the row spans between neighbouring bounds.
    const size_t n = bounds.size() > 0 ? bounds.size() - 1 : 0;
    const auto spanOf = [&bounds](int32_t row) {
        return static_cast<size_t>(std::lower_bound(bounds.begin(), bounds.end(), row) -
                                   bounds.begin());
    };
    // Each area goes to the nodes covering its spans, counted first, then placed.
    const auto forEachNode = [&](const CellRect& a, auto&& f) {
        for (size_t l = spanOf(a.firstRow) + n, r = spanOf(a.lastRow + 1) + n; l < r;
             l >>= 1, r >>= 1) {
            if (l & 1) {
                f(l++);
            }
            if (r & 1) {
                f(--r);
            }
        }
    };
    index->offsets.assign(2 * n + 1, 0);
    for (const CellRect& a : m_areas) {
        forEachNode(a, [&](size_t node) { ++index->offsets[node + 1]; });
    }
    for (size_t k = 1; k < index->offsets.size(); ++k) {
        index->offsets[k] += index->offsets[k - 1];
    }
    index->entries.resize(index->offsets.back());
    std::vector<uint32_t> filled(index->offsets.begin(), index->offsets.end() - 1);
    for (uint32_t i = 0; i < m_areas.size(); ++i) {
        forEachNode(m_areas[i], [&](size_t node) { index->entries[filled[node]++] = i; });
    }
    for (size_t node = 0; node < 2 * n; ++node) {
        std::sort(index->entries.begin() + index->offsets[node],
                  index->entries.begin() + index->offsets[node + 1],
                  [this](uint32_t a, uint32_t b) {
                      return m_areas[a].firstColumn < m_areas[b].firstColumn;
                  });
    }
    m_pIndex = std::move(index);
    return *m_pIndex;
}

const CellRect* MergeAreas::Find(int32_t row, int32_t column) const {
    if (m_areas.empty()) {
        return nullptr;
    }
    const Index& index = TheIndex();
    const auto& bounds = index.bounds;
    const auto after = std::upper_bound(bounds.begin(), bounds.end(), row);
    if (after == bounds.begin() || after == bounds.end()) {
        return nullptr;
    }
    const size_t n = bounds.size() - 1;
    for (size_t node = static_cast<size_t>(after - bounds.begin()) - 1 + n; node > 0;
         node >>= 1) {
        const auto first = index.entries.begin() + index.offsets[node];
        const auto last = index.entries.begin() + index.offsets[node + 1];
        // The last area starting at or before the column is the only one that may hold it.
        const auto it = std::upper_bound(first, last, column, [this](int32_t c, uint32_t i) {
            return c < m_areas[i].firstColumn;
        });
        if (it != first && m_areas[*(it - 1)].lastColumn >= column) {
            return &m_areas[*(it - 1)];
        }
    }
    return nullptr;
}

std::vector<CellRect> MergeAreas::Touching(const CellRect& block) const {
    std::vector<CellRect> found;
    const auto end = std::upper_bound(m_areas.begin(), m_areas.end(), block.lastRow,
                                      [](int32_t row, const CellRect& a) { return row < a.firstRow; });
    for (auto it = m_areas.begin(); it != end; ++it) {
        if (Meet(*it, block)) {
            found.push_back(*it);
        }
    }
    return found;
}

CellRect MergeAreas::Grown(const CellRect& block) const {
    CellRect grown = block;
    for (bool changed = true; changed;) {
        changed = false;
        for (const CellRect& a : Touching(grown)) {
            const CellRect joined{std::min(grown.firstRow, a.firstRow),
                                  std::min(grown.firstColumn, a.firstColumn),
                                  std::max(grown.lastRow, a.lastRow),
                                  std::max(grown.lastColumn, a.lastColumn)};
            changed |= joined != grown;
            grown = joined;
        }
    }
    return grown;
}

MergeAreas MergeAreas::Without(const CellRect& block) const {
    MergeAreas out;
    out.m_areas.reserve(m_areas.size());
    std::copy_if(m_areas.begin(), m_areas.end(), std::back_inserter(out.m_areas),
                 [&block](const CellRect& a) { return !Meet(a, block); });
    return out;
}

MergeAreas MergeAreas::With(const CellRect& area) const {
    MergeAreas out = Without(area);
    out.m_areas.insert(std::upper_bound(out.m_areas.begin(), out.m_areas.end(), area, Before),
                       area);
    return out;
}

} // namespace vantor::model
