#include "model/CellStore.hpp"

#include "model/Constants.hpp"
#include "model/StyleTable.hpp"

#include <unordered_map>

namespace vantor::model {

using constants::kColumnCount;
using constants::kRowCount;

// A memo entry not yet mapped.
constexpr uint32_t kUnmapped = UINT32_MAX;

// One more row and column than the sheet shows: their top and left edges are
// the bottom and right edges of the last row and column.
CellStore::CellStore(std::shared_ptr<StyleTable> table, double defaultRowHeight,
                     double defaultColumnWidth)
    : m_pTable(std::move(table)) {
    auto column =
        std::make_shared<const ColumnStyles>(m_pTable, RunList<uint32_t>(kRowCount + 1, 0));
    m_state.columns = RunList<ColumnPtr>(kColumnCount + 1, column);
    m_state.rowHeights = RunList<double>(kRowCount, defaultRowHeight);
    m_state.columnWidths = RunList<double>(kColumnCount, defaultColumnWidth);
}

void CellStore::Restore(const CellState& state) {
    m_state = state;
    Changed();
}

uint32_t CellStore::StyleAt(int32_t row, int32_t column) const {
    return m_state.columns.At(column)->At(row);
}

void CellStore::ForEachColumn(
    int32_t first, int32_t last,
    const std::function<void(int32_t, int32_t, const ColumnStyles&)>& f) const {
    m_state.columns.ForEach(
        first, last, [&](int32_t a, int32_t b, const ColumnPtr& column) { f(a, b, *column); });
}

template <typename F>
ColumnPtr CellStore::PatchedColumn(const ColumnPtr& column, int32_t first, int32_t last,
                                   F&& newIdOf, const ColumnStyles* neighbour) const {
    const std::vector<int32_t>& ends = column->Ends();
    const std::vector<uint32_t>& ids = column->Ids();
    const size_t k0 = column->RunIndexAt(first);
    const size_t k1 = column->RunIndexAt(last);
    if (column->RunStart(k0) == first && ends[k1] == last + 1) {
        // The block covers whole runs: the new ids go in place, and unless
        // neighbours come out equal the run ends stay as they are.
        std::vector<uint32_t> out(ids);
        for (size_t k = k0; k <= k1; ++k) {
            out[k] = newIdOf(ids[k]);
        }
        const bool changed = out != ids;
        bool joins = false;
        for (size_t k = std::max<size_t>(k0, 1); k <= std::min(k1 + 1, out.size() - 1); ++k) {
            joins |= out[k] == out[k - 1];
        }
        if (!changed) {
            return column;
        }
        if (!joins) {
            return std::make_shared<const ColumnStyles>(m_pTable, column->SharedEnds(),
                                                        std::move(out));
        }
    }
    // Otherwise the runs are built anew: split at the block's edges, joined where equal.
    RunList<uint32_t> runs;
    for (size_t k = 0; k < ids.size(); ++k) {
        const int32_t start = column->RunStart(k);
        if (start < first) {
            runs.Append(std::min(ends[k], first), ids[k]);
        }
        if (start <= last && ends[k] > first) {
            runs.Append(std::min(ends[k], last + 1), newIdOf(ids[k]));
        }
        if (ends[k] > last + 1) {
            runs.Append(ends[k], ids[k]);
        }
    }
    auto result = std::make_shared<const ColumnStyles>(m_pTable, runs, neighbour);
    return result->SameRuns(*column) ? column : result;
}

template <typename F>
RunList<ColumnPtr> CellStore::RebuildColumns(const CellRect& rect, F&& newIdOf,
                                             const bool& go) const {
    // A column shared by several column runs is rebuilt once. Once `go` turns
    // false the rest is left as it is, and the result is not to be used.
    std::unordered_map<const ColumnStyles*, ColumnPtr> rebuilt;
    const ColumnStyles* previous = nullptr;
    const RunList<ColumnPtr> columns =
        m_state.columns.Mapped(rect.firstColumn, rect.lastColumn, [&](const ColumnPtr& column) {
            if (!go) {
                return column;
            }
            auto [it, fresh] = rebuilt.try_emplace(column.get());
            if (fresh) {
                it->second = PatchedColumn(column, rect.firstRow, rect.lastRow, newIdOf, previous);
            }
            previous = it->second.get();
            return it->second;
        });
    if (!go) {
        return columns;
    }
    // Neighbouring columns that came out equal share one column, so a block
    // formatted and then cleared costs nothing any more.
    RunList<ColumnPtr> joined;
    const auto& runs = columns.Runs();
    for (size_t k = 0; k < runs.size(); ++k) {
        const bool equalToPrevious = k > 0 && runs[k - 1].value->SameRuns(*runs[k].value);
        joined.Append(runs[k].end, equalToPrevious ? joined.Runs().back().value : runs[k].value);
    }
    return joined;
}

std::vector<uint32_t> CellStore::PatchStyles(const CellRect& rect, const StylePatch& patch) {
    StyleTable& table = *m_pTable;
    const uint32_t number = table.PatchNumber(patch);
    std::vector<uint32_t> memo(table.IdLimit(), kUnmapped);
    std::vector<uint32_t> newIds;
    // A change made before (turning bold on and off, say) usually finds every
    // id of the block already mapped: then one pass rewrites the runs.
    bool complete = true;
    RunList<ColumnPtr> columns = RebuildColumns(
        rect,
        [&](uint32_t id) {
            uint32_t& slot = memo[id];
            if (slot == kUnmapped) {
                if (complete && table.KnownResult(number, id, slot)) {
                    newIds.push_back(slot);
                } else {
                    complete = false;
                    slot = id;
                }
            }
            return slot;
        },
        complete);
    if (complete) {
        m_state.columns = std::move(columns);
        Changed();
        return newIds;
    }
    // Otherwise first the distinct ids over the block, then each mapped once,
    // in id order so that the style records are read front to back, then the
    // runs rewritten from that table.
    std::vector<uint8_t> present(table.IdLimit(), 0);
    uint8_t* const marks = present.data();
    m_state.columns.ForEach(rect.firstColumn, rect.lastColumn,
                            [&](int32_t, int32_t, const ColumnPtr& column) {
                                const uint32_t* ids = column->Ids().data();
                                const size_t last = column->RunIndexAt(rect.lastRow);
                                for (size_t k = column->RunIndexAt(rect.firstRow); k <= last; ++k) {
                                    marks[ids[k]] = 1;
                                }
                            });
    std::vector<uint32_t> ids;
    for (uint32_t id = 0; id < present.size(); ++id) {
        if (present[id]) {
            ids.push_back(id);
        }
    }
    table.ApplyPatch(number, patch, ids, newIds);
    for (size_t i = 0; i < ids.size(); ++i) {
        memo[ids[i]] = newIds[i];
    }
    const bool go = true;
    m_state.columns = RebuildColumns(
        rect, [&memo](uint32_t id) { return memo[id]; }, go);
    Changed();
    return newIds;
}

void CellStore::MarkStyles(std::vector<uint8_t>& used) const {
    MarkStylesOutside(CellRect{0, 0, -1, -1}, used);
}

void CellStore::MarkStylesOutside(const CellRect& rect, std::vector<uint8_t>& used) const {
    std::unordered_map<const ColumnStyles*, bool> done; // column -> marked whole
    m_state.columns.ForEach(0, kColumnCount, [&](int32_t a, int32_t b, const ColumnPtr& column) {
        const bool whole = a < rect.firstColumn || b > rect.lastColumn;
        auto [it, fresh] = done.emplace(column.get(), whole);
        if (!fresh && (it->second || !whole)) {
            return;
        }
        it->second = whole;
        const std::vector<uint32_t>& ids = column->Ids();
        if (whole) {
            for (const uint32_t id : ids) {
                used[id] = 1;
            }
            return;
        }
        // The runs that reach above the block's first row or below its last.
        const size_t k0 = column->RunIndexAt(rect.firstRow);
        const size_t k1 = column->RunIndexAt(rect.lastRow);
        for (size_t k = 0; k < k0 || (k == k0 && column->RunStart(k0) < rect.firstRow); ++k) {
            used[ids[k]] = 1;
        }
        for (size_t k = column->Ends()[k1] > rect.lastRow + 1 ? k1 : k1 + 1; k < ids.size(); ++k) {
            used[ids[k]] = 1;
        }
    });
}

void CellStore::LoadColumn(int32_t column, const std::vector<std::pair<int32_t, uint32_t>>& runs) {
    LoadColumns(column, column, runs);
}

void CellStore::LoadColumns(int32_t first, int32_t last,
                            const std::vector<std::pair<int32_t, uint32_t>>& runs) {
    RunList<uint32_t> list;
    int32_t start = 0;
    for (const auto& [end, id] : runs) {
        const int32_t stop = std::min(end, kRowCount + 1);
        if (stop > start) {
            list.Append(stop, id);
            start = stop;
        }
    }
    if (start <= kRowCount) {
        list.Append(kRowCount + 1, 0);
    }
    const ColumnStyles* left = first > 0 ? m_state.columns.At(first - 1).get() : nullptr;
    m_state.columns.Assign(first, last, std::make_shared<const ColumnStyles>(m_pTable, list, left));
    Changed();
}

const Variant* CellStore::ValueAt(int32_t row, int32_t column) const {
    return m_state.values.Find(KeyOf(row, column));
}

void CellStore::SetValue(const CellRect& rect, const Variant& value) {
    for (const CellKey key : m_state.formulas.KeysIn(rect)) {
        m_state.formulas.Erase(key);
    }
    if (value.IsEmpty()) {
        for (const CellKey key : m_state.values.KeysIn(rect)) {
            m_state.values.Erase(key);
        }
    } else {
        for (int32_t c = rect.firstColumn; c <= rect.lastColumn; ++c) {
            for (int32_t r = rect.firstRow; r <= rect.lastRow; ++r) {
                m_state.values.Set(KeyOf(r, c), value);
            }
        }
    }
    Changed();
}

const std::string* CellStore::FormulaAt(int32_t row, int32_t column) const {
    return m_state.formulas.Find(KeyOf(row, column));
}

void CellStore::ForEachFormula(const CellRect& rect,
                               const std::function<void(CellKey, const std::string&)>& f) const {
    m_state.formulas.ForEachIn(rect, f);
}

void CellStore::SetFormula(int32_t row, int32_t column, const std::string& text,
                           const Variant& cached) {
    const CellKey key = KeyOf(row, column);
    m_state.formulas.Set(key, text);
    if (cached.IsEmpty()) {
        m_state.values.Erase(key);
    } else {
        m_state.values.Set(key, cached);
    }
    Changed();
}

const std::string* CellStore::NoteAt(int32_t row, int32_t column) const {
    return m_state.notes.Find(KeyOf(row, column));
}

void CellStore::ForEachNote(const CellRect& rect,
                            const std::function<void(CellKey, const std::string&)>& f) const {
    m_state.notes.ForEachIn(rect, f);
}

void CellStore::ForEachValue(const CellRect& rect,
                             const std::function<void(CellKey, const Variant&)>& f) const {
    m_state.values.ForEachIn(rect, f);
}

void CellStore::SetNotes(const CellRect& rect, const std::string& text, bool createMissing) {
    if (createMissing) {
        for (int32_t c = rect.firstColumn; c <= rect.lastColumn; ++c) {
            for (int32_t r = rect.firstRow; r <= rect.lastRow; ++r) {
                m_state.notes.Set(KeyOf(r, c), text);
            }
        }
    } else {
        for (const CellKey key : m_state.notes.KeysIn(rect)) {
            m_state.notes.Set(key, text);
        }
    }
    Changed();
}

void CellStore::ClearNotes(const CellRect& rect) {
    for (const CellKey key : m_state.notes.KeysIn(rect)) {
        m_state.notes.Erase(key);
    }
    Changed();
}

void CellStore::SetRowHeights(int32_t first, int32_t last, double height) {
    m_state.rowHeights.Assign(first, last, height);
    Changed();
}

void CellStore::SetColumnWidths(int32_t first, int32_t last, double width) {
    m_state.columnWidths.Assign(first, last, width);
    Changed();
}

} // namespace vantor::model
