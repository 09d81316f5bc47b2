#pragma once
#include "model/CellAddress.hpp"
#include "model/Style.hpp"

#include <cstdint>

namespace vantor::model {

class CellStore;

// What a set of styles agrees on: the first style seen and the fields in
// which any other differs.
struct StyleMerge {
    bool any = false; // false for a group without cells
    Style first;
    FieldMask mixed = 0;

    bool IsMixed(Field f) const { return (mixed & Bit(f)) != 0; }
};

// The styles of a block of cells merged in one pass over its runs: the cells
// themselves, and the edge groups that borders read (top, bottom, left and
// right edges, inside lines). Each distinct style is compared once per group.
class StyleSummary {
public:
    enum Group { Cells, Top, Bottom, Left, Right, InsideHorizontal, InsideVertical, GroupCount };

    StyleSummary(const CellStore& store, const CellRect& rect);

    const StyleMerge& Of(Group group) const { return m_groups[group]; }

private:
    StyleMerge m_groups[GroupCount];
};

} // namespace vantor::model
