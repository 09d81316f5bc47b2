#include "model/CellStore.hpp"

#include "model/Constants.hpp"
#include "model/StyleTable.hpp"

#include <algorithm>
#include <unordered_map>

namespace vantor::model {

using constants::kColumnCount;
using constants::kRowCount;

// A memo entry not yet mapped.
constexpr uint32_t kUnmapped = UINT32_MAX;
// Blocks of at most this many cells look their styles up in a short list
// instead of tables as long as the style table.
constexpr int64_t kSmallBlockCells = 4096;

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

void CellStore::RestoreColumns(const RunList<ColumnPtr>& columns) {
    m_state.columns = columns;
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
    using Piece = ColumnStyles::Piece;
    using PiecePtr = ColumnStyles::PiecePtr;
    const std::vector<PiecePtr>& pieces = column->Pieces();
    const size_t p0 = column->PieceIndexAt(first);
    const size_t p1 = column->PieceIndexAt(last);
    const size_t k0 = ColumnStyles::RunIn(*pieces[p0], first);
    const size_t k1 = ColumnStyles::RunIn(*pieces[p1], last);
    const int32_t pieceStart = p0 == 0 ? 0 : pieces[p0 - 1]->Last();
    const int32_t blockStart = k0 == 0 ? pieceStart : (*pieces[p0]->ends)[k0 - 1];
    if (blockStart == first && (*pieces[p1]->ends)[k1] == last + 1) {
        // The block covers whole runs: the new ids go in place, and unless
        // neighbours come out equal the run ends stay as they are.
        std::vector<PiecePtr> out(pieces);
        bool changed = false;
        bool joins = false;
        bool hasPrevious = k0 > 0 || p0 > 0;
        uint32_t previous = k0 > 0   ? pieces[p0]->ids[k0 - 1]
                            : p0 > 0 ? pieces[p0 - 1]->ids.back()
                                     : 0;
        for (size_t p = p0; p <= p1; ++p) {
            const Piece& piece = *pieces[p];
            std::vector<uint32_t> ids(piece.ids);
            const size_t ka = p == p0 ? k0 : 0;
            const size_t kb = p == p1 ? k1 : ids.size() - 1;
            for (size_t k = ka; k <= kb; ++k) {
                ids[k] = newIdOf(piece.ids[k]);
                joins |= hasPrevious && ids[k] == previous;
                previous = ids[k];
                hasPrevious = true;
            }
            if (ids != piece.ids) {
                changed = true;
                out[p] = std::make_shared<const Piece>(Piece{piece.ends, std::move(ids)});
            }
        }
        if (!changed) {
            return column;
        }
        const Piece& lastPiece = *pieces[p1];
        if (k1 + 1 < lastPiece.ids.size()) {
            joins |= lastPiece.ids[k1 + 1] == previous;
        } else if (p1 + 1 < pieces.size()) {
            joins |= pieces[p1 + 1]->ids.front() == previous;
        }
        if (!joins) {
            return std::make_shared<const ColumnStyles>(m_pTable, std::move(out));
        }
    }
    // Otherwise the pieces holding the block are built anew: split at the
    // block's edges, joined where equal, and cut into even pieces. A piece on
    // either side is taken in where runs may join across the block's edge, or
    // where a small piece would otherwise be left.
    constexpr size_t kSmallPiece = ColumnStyles::kPieceRuns / 4;
    const size_t q0 =
        p0 > 0 && (first == pieceStart || pieces[p0]->ids.size() < kSmallPiece) ? p0 - 1 : p0;
    const size_t q1 = p1 + 1 < pieces.size() && (last + 1 == pieces[p1]->Last() ||
                                                 pieces[p1]->ids.size() < kSmallPiece)
                          ? p1 + 1
                          : p1;
    std::vector<int32_t> ends;
    std::vector<uint32_t> ids;
    const auto append = [&](int32_t end, uint32_t id) {
        if (!ids.empty() && ids.back() == id) {
            ends.back() = end;
        } else {
            ends.push_back(end);
            ids.push_back(id);
        }
    };
    bool changed = false;
    bool joinNext = false; // the run after the block may join the block's last run
    int32_t start = q0 == 0 ? 0 : pieces[q0 - 1]->Last();
    for (size_t q = q0; q <= q1; ++q) {
        const std::vector<int32_t>& pe = *pieces[q]->ends;
        const std::vector<uint32_t>& pi = pieces[q]->ids;
        // Runs that end before the block are copied as they are.
        size_t k = static_cast<size_t>(std::upper_bound(pe.begin(), pe.end(), first) - pe.begin());
        ends.insert(ends.end(), pe.begin(), pe.begin() + static_cast<std::ptrdiff_t>(k));
        ids.insert(ids.end(), pi.begin(), pi.begin() + static_cast<std::ptrdiff_t>(k));
        if (k > 0) {
            start = pe[k - 1];
        }
        for (; k < pi.size() && start <= last; ++k) {
            const int32_t end = pe[k];
            const uint32_t id = pi[k];
            if (start < first) {
                append(first, id);
            }
            const uint32_t newId = newIdOf(id);
            changed |= newId != id;
            append(std::min(end, last + 1), newId);
            if (end > last + 1) {
                append(end, id);
            }
            joinNext = end == last + 1;
            start = end;
        }
        if (joinNext && k < pi.size()) {
            append(pe[k], pi[k]);
            start = pe[k];
            ++k;
            joinNext = false;
        }
        // Runs after the block are copied as they are.
        ends.insert(ends.end(), pe.begin() + static_cast<std::ptrdiff_t>(k), pe.end());
        ids.insert(ids.end(), pi.begin() + static_cast<std::ptrdiff_t>(k), pi.end());
        start = pe.back();
    }
    if (!changed) {
        return column;
    }
    const size_t count = (ids.size() + ColumnStyles::kPieceRuns - 1) / ColumnStyles::kPieceRuns;
    std::vector<PiecePtr> out;
    out.reserve(pieces.size() - (q1 - q0 + 1) + count);
    out.insert(out.end(), pieces.begin(), pieces.begin() + static_cast<std::ptrdiff_t>(q0));
    for (size_t i = 0; i < count; ++i) {
        const auto from = static_cast<std::ptrdiff_t>(ids.size() * i / count);
        const auto to = static_cast<std::ptrdiff_t>(ids.size() * (i + 1) / count);
        Piece piece;
        piece.ids.assign(ids.begin() + from, ids.begin() + to);
        // Columns formatted alike share their ends.
        const size_t at = out.size();
        if (neighbour != nullptr && at < neighbour->Pieces().size() &&
            std::equal(ends.begin() + from, ends.begin() + to,
                       neighbour->Pieces()[at]->ends->begin(),
                       neighbour->Pieces()[at]->ends->end())) {
            piece.ends = neighbour->Pieces()[at]->ends;
        } else {
            piece.ends = std::make_shared<const std::vector<int32_t>>(ends.begin() + from,
                                                                      ends.begin() + to);
        }
        out.push_back(std::make_shared<const Piece>(std::move(piece)));
    }
    out.insert(out.end(), pieces.begin() + static_cast<std::ptrdiff_t>(q1 + 1), pieces.end());
    return std::make_shared<const ColumnStyles>(m_pTable, std::move(out));
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
    // formatted and then cleared costs nothing any more. Only the block's
    // columns and their neighbours can have come out equal.
    RunList<ColumnPtr> joined;
    const auto& runs = columns.Runs();
    for (size_t k = 0; k < runs.size(); ++k) {
        const bool nearBlock =
            runs[k].end >= rect.firstColumn && columns.RunStart(k) <= rect.lastColumn + 1;
        const bool equalToPrevious =
            k > 0 && nearBlock && runs[k - 1].value->SameRuns(*runs[k].value);
        joined.Append(runs[k].end, equalToPrevious ? joined.Runs().back().value : runs[k].value);
    }
    return joined;
}

std::vector<uint32_t> CellStore::PatchStyles(const CellRect& rect, const StylePatch& patch) {
    StyleTable& table = *m_pTable;
    const uint32_t number = table.PatchNumber(patch);
    if (rect.CellCount() <= kSmallBlockCells) {
        return PatchSmallBlock(rect, patch, number);
    }
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
    m_state.columns.ForEach(
        rect.firstColumn, rect.lastColumn, [&](int32_t, int32_t, const ColumnPtr& column) {
            column->ForEachRun(rect.firstRow, rect.lastRow,
                               [marks](int32_t, int32_t, uint32_t id) { marks[id] = 1; });
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

std::vector<uint32_t> CellStore::PatchSmallBlock(const CellRect& rect, const StylePatch& patch,
                                                 uint32_t number) {
    // A small block holds few styles: they are gathered and looked up in a
    // short sorted list, so the cost does not depend on how many styles the
    // workbook holds.
    std::vector<uint32_t> ids;
    m_state.columns.ForEach(
        rect.firstColumn, rect.lastColumn, [&](int32_t, int32_t, const ColumnPtr& column) {
            column->ForEachRun(rect.firstRow, rect.lastRow,
                               [&ids](int32_t, int32_t, uint32_t id) { ids.push_back(id); });
        });
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    std::vector<uint32_t> newIds;
    m_pTable->ApplyPatch(number, patch, ids, newIds);
    const bool go = true;
    m_state.columns = RebuildColumns(
        rect,
        [&](uint32_t id) {
            return newIds[static_cast<size_t>(std::lower_bound(ids.begin(), ids.end(), id) -
                                              ids.begin())];
        },
        go);
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
        const auto mark = [&used](int32_t, int32_t, uint32_t id) { used[id] = 1; };
        if (whole) {
            column->ForEachRun(0, kRowCount, mark);
            return;
        }
        // The runs that reach above the block's first row or below its last.
        column->ForEachRun(0, rect.firstRow - 1, mark);
        column->ForEachRun(rect.lastRow + 1, kRowCount, mark);
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

void CellStore::SetMerges(MergeAreas merges) {
    m_state.merges = std::make_shared<const MergeAreas>(std::move(merges));
    Changed();
}

void CellStore::RemapStyles(const std::function<uint32_t(uint32_t)>& newIdOf) {
    std::vector<uint32_t> memo(m_pTable->IdLimit(), kUnmapped);
    const bool go = true;
    m_state.columns = RebuildColumns(
        CellRect{0, 0, kRowCount, kColumnCount},
        [&](uint32_t id) {
            if (memo[id] == kUnmapped) {
                memo[id] = newIdOf(id);
            }
            return memo[id];
        },
        go);
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
