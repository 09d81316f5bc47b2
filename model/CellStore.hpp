#pragma once
#include "model/CellAddress.hpp"
#include "model/CellMap.hpp"
#include "model/ColumnStyles.hpp"
#include "model/MergeAreas.hpp"
#include "model/RunList.hpp"
#include "vantor/automation/Variant.hpp"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace vantor::model {

class StyleTable;
struct StylePatch;

// Everything a sheet holds about its cells. Every part is shared, so a copy
// is cheap: an undo step keeps the state before and after.
struct CellState {
    RunList<ColumnPtr> columns;   // column runs of shared column contents
    RunList<double> rowHeights;   // points
    RunList<double> columnWidths; // characters of the default font
    CellMap<Variant> values;
    CellMap<std::string> notes;
    // Formula texts as a file holds them (without "="), beside the cached values.
    CellMap<std::string> formulas;
    std::shared_ptr<const MergeAreas> merges = std::make_shared<const MergeAreas>();
};

// The cells of one sheet: styles as runs down columns, with equal
// neighbouring columns sharing one column of runs, so a block of any size
// costs the runs it crosses; sparse values and notes; row heights and column
// widths as runs.
class CellStore {
public:
    CellStore(std::shared_ptr<StyleTable> table, double defaultRowHeight,
              double defaultColumnWidth);

    StyleTable& Table() const { return *m_pTable; }
    const CellState& State() const { return m_state; }
    void Restore(const CellState& state);
    // Puts back the styles alone.
    void RestoreColumns(const RunList<ColumnPtr>& columns);
    // Changes with every change of the cells, so readers can keep what they computed.
    uint64_t Version() const { return m_version; }

    uint32_t StyleAt(int32_t row, int32_t column) const;
    // Applies the patch to every style over the block; returns the block's
    // new style ids.
    std::vector<uint32_t> PatchStyles(const CellRect& rect, const StylePatch& patch);
    // Marks used[id] for every style of the sheet, or of the sheet outside a block.
    void MarkStyles(std::vector<uint8_t>& used) const;
    void MarkStylesOutside(const CellRect& rect, std::vector<uint8_t>& used) const;
    // Replaces the styles of a column: (row after the run, style id) pairs
    // from the top; rows below the last run get the default style.
    void LoadColumn(int32_t column, const std::vector<std::pair<int32_t, uint32_t>>& runs);
    // The same for every column of [first, last], which then share one column.
    void LoadColumns(int32_t first, int32_t last,
                     const std::vector<std::pair<int32_t, uint32_t>>& runs);
    // Calls f(firstColumn, lastColumn, column) for the shared columns over [first, last].
    void ForEachColumn(int32_t first, int32_t last,
                       const std::function<void(int32_t, int32_t, const ColumnStyles&)>& f) const;

    const Variant* ValueAt(int32_t row, int32_t column) const;
    // Calls f(key, value) for each value in the block.
    void ForEachValue(const CellRect& rect,
                      const std::function<void(CellKey, const Variant&)>& f) const;
    // Writing a value ends the formula of the cells it covers.
    void SetValue(const CellRect& rect, const Variant& value);
    const std::string* FormulaAt(int32_t row, int32_t column) const;
    // Calls f(key, text) for each formula in the block.
    void ForEachFormula(const CellRect& rect,
                        const std::function<void(CellKey, const std::string&)>& f) const;
    // A formula with its cached value, as a file gives them.
    void SetFormula(int32_t row, int32_t column, const std::string& text, const Variant& cached);
    const std::string* NoteAt(int32_t row, int32_t column) const;
    // Calls f(key, text) for each note in the block.
    void ForEachNote(const CellRect& rect,
                     const std::function<void(CellKey, const std::string&)>& f) const;
    void SetNotes(const CellRect& rect, const std::string& text, bool createMissing);
    void ClearNotes(const CellRect& rect);

    const MergeAreas& Merges() const { return *m_state.merges; }
    void SetMerges(MergeAreas merges);
    // Replaces the styles of every cell: newIdOf(id) is asked once per id in use.
    void RemapStyles(const std::function<uint32_t(uint32_t)>& newIdOf);

    void SetRowHeights(int32_t first, int32_t last, double height);
    void SetColumnWidths(int32_t first, int32_t last, double width);

private:
    // The column with each id over rows [first, last] replaced by newIdOf(id);
    // a column built anew shares the run ends of `neighbour` when equal.
    template <typename F>
    ColumnPtr PatchedColumn(const ColumnPtr& column, int32_t first, int32_t last, F&& newIdOf,
                            const ColumnStyles* neighbour) const;
    // The columns with the block's ids replaced by newIdOf(id), equal
    // neighbouring columns joined.
    template <typename F>
    RunList<ColumnPtr> RebuildColumns(const CellRect& rect, F&& newIdOf, const bool& go) const;
    // PatchStyles for a block of few cells.
    std::vector<uint32_t> PatchSmallBlock(const CellRect& rect, const StylePatch& patch,
                                          uint32_t number);
    void Changed() { ++m_version; }

    std::shared_ptr<StyleTable> m_pTable;
    CellState m_state;
    uint64_t m_version = 1;
};

} // namespace vantor::model
