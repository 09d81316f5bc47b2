#include "model/StyleSummary.hpp"

#include "model/CellStore.hpp"
#include "model/StyleTable.hpp"

#include <vector>

namespace vantor::model {

namespace {

constexpr FieldMask kGroupFields[StyleSummary::GroupCount] = {
    kCellBits, kTopBits, kTopBits, kLeftBits, kLeftBits, kTopBits, kLeftBits};

} // namespace

StyleSummary::StyleSummary(const CellStore& store, const CellRect& rect) {
    const StyleTable& table = store.Table();
    // seen[id] has bit g set once style id has been merged into group g.
    std::vector<uint8_t> seen(table.IdLimit(), 0);
    auto merge = [&](uint32_t id, unsigned groups) {
        const unsigned fresh = groups & ~seen[id];
        if (fresh == 0) {
            return;
        }
        seen[id] = static_cast<uint8_t>(seen[id] | fresh);
        const Style& style = table.Get(id);
        for (unsigned g = 0; g < GroupCount; ++g) {
            if (fresh & (1u << g)) {
                StyleMerge& m = m_groups[g];
                if (!m.any) {
                    m.any = true;
                    m.first = style;
                } else if ((m.mixed & kGroupFields[g]) != kGroupFields[g]) {
                    m.mixed |= Style::Diff(m.first, style, kGroupFields[g] & ~m.mixed);
                }
            }
        }
    };
    const int32_t r1 = rect.firstRow;
    const int32_t r2 = rect.lastRow;
    store.ForEachColumn(
        rect.firstColumn, rect.lastColumn + 1,
        [&](int32_t c1, int32_t c2, const ColumnStyles& column) {
            if (c1 <= rect.lastColumn) {
                unsigned columnGroups = 1u << Cells;
                if (c1 <= rect.firstColumn) {
                    columnGroups |= 1u << Left;
                }
                if (std::min(c2, rect.lastColumn) > rect.firstColumn) {
                    columnGroups |= 1u << InsideVertical;
                }
                // The run holding the first row also holds the top edges; it and
                // every later run within the block hold inside horizontal lines
                // when they reach below the first row.
                const unsigned below = columnGroups | (1u << InsideHorizontal);
                bool firstRun = true;
                column.ForEachRun(r1, r2, [&](int32_t, int32_t end, uint32_t id) {
                    if (firstRun) {
                        merge(id,
                              (std::min(end - 1, r2) > r1 ? below : columnGroups) | (1u << Top));
                        firstRun = false;
                    } else if (below & ~seen[id]) {
                        merge(id, below);
                    }
                });
                // The run holding the row under the block holds the bottom edges.
                merge(column.At(r2 + 1), 1u << Bottom);
            }
            if (c2 > rect.lastColumn) {
                column.ForEachRun(r1, r2,
                                  [&](int32_t, int32_t, uint32_t id) { merge(id, 1u << Right); });
            }
        });
}

} // namespace vantor::model
