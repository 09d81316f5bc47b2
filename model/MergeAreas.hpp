#pragma once
#include "model/CellAddress.hpp"

#include <cstdint>
#include <memory>
#include <vector>

namespace vantor::model {

// The merge areas of a sheet: blocks of cells that never overlap, each shown
// as one cell. A value: changes give a new set, so an undo step can keep the
// set before and after. Finding the area of a cell costs a walk down a
// segment tree over the areas' rows, built on first use.
class MergeAreas {
public:
    MergeAreas() = default;
    // The areas must not overlap.
    explicit MergeAreas(std::vector<CellRect> areas);

    // Sorted by first row, then first column.
    const std::vector<CellRect>& Areas() const { return m_areas; }
    bool Empty() const { return m_areas.empty(); }

    // The area holding the cell, or null.
    const CellRect* Find(int32_t row, int32_t column) const;
    // The areas that share at least one cell with the block.
    std::vector<CellRect> Touching(const CellRect& block) const;
    // The block grown, again and again, until no area crosses its edge.
    CellRect Grown(const CellRect& block) const;

    // The set without the areas touching the block.
    MergeAreas Without(const CellRect& block) const;
    // The set with the block as one area in place of those it touches.
    MergeAreas With(const CellRect& area) const;

private:
    // A segment tree over the distinct row bounds of the areas: each area is
    // listed at the nodes that together cover its rows. The areas listed at
    // one node all cover the node's rows, so they cannot share a column and
    // are kept sorted by first column: one binary search per node.
    struct Index {
        std::vector<int32_t> bounds;   // distinct firstRow and lastRow + 1, sorted
        std::vector<uint32_t> offsets; // node n lists entries [offsets[n], offsets[n + 1])
        std::vector<uint32_t> entries; // indexes into m_areas
    };
    const Index& TheIndex() const;

    std::vector<CellRect> m_areas;
    mutable std::shared_ptr<const Index> m_pIndex;
};

} // namespace vantor::model
