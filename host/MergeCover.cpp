#include "host/MergeCover.hpp"

#include "model/Range.hpp"
#include "model/Worksheet.hpp"

#include <algorithm>

namespace vantor::host {

namespace {

using model::CellRect;

// Whether any cell of the block lies in a merge area.
bool AnyMerged(model::Worksheet& sheet, const CellRect& block) {
    try {
        return !(ObjectRef(sheet.RangeOf(block)).Get("MergeCells") == Variant(false));
    } catch (const AutomationError& e) {
        if (e.Number() == err::NotSupported) {
            return false;
        }
        throw;
    }
}

// Adds to `rect` every merge area that holds a cell of `part`, halving the
// part until it touches no area or lies in the area of its first cell: a few
// lookups an area, also when one area covers a whole column.
void GrowBy(model::Worksheet& sheet, const CellRect& part, CellRect& rect) {
    if (!AnyMerged(sheet, part)) {
        return;
    }
    const auto area = ObjectRef(sheet.RangeOf(part)).Get("MergeArea").ToObject().As<model::Range>();
    if (area == nullptr) {
        throw AutomationError(err::TypeMismatch, "MergeArea answered no range");
    }
    const CellRect& a = area->Rect();
    if (a.firstRow <= part.firstRow && a.firstColumn <= part.firstColumn &&
        part.lastRow <= a.lastRow && part.lastColumn <= a.lastColumn) {
        rect = {std::min(rect.firstRow, a.firstRow), std::min(rect.firstColumn, a.firstColumn),
                std::max(rect.lastRow, a.lastRow), std::max(rect.lastColumn, a.lastColumn)};
        return;
    }
    CellRect first = part;
    CellRect second = part;
    if (part.RowCount() >= part.ColumnCount()) {
        first.lastRow = part.firstRow + part.RowCount() / 2 - 1;
        second.firstRow = first.lastRow + 1;
    } else {
        first.lastColumn = part.firstColumn + part.ColumnCount() / 2 - 1;
        second.firstColumn = first.lastColumn + 1;
    }
    GrowBy(sheet, first, rect);
    GrowBy(sheet, second, rect);
}

} // namespace

model::CellRect CoverMergeAreas(const model::Range& range) {
    model::Worksheet& sheet = *range.Sheet();
    CellRect rect = range.Rect();
    // An area that crosses the edge holds a cell of the edge.
    for (CellRect before{}; !(before == rect);) {
        before = rect;
        const CellRect edges[] = {{rect.firstRow, rect.firstColumn, rect.firstRow, rect.lastColumn},
                                  {rect.lastRow, rect.firstColumn, rect.lastRow, rect.lastColumn},
                                  {rect.firstRow, rect.firstColumn, rect.lastRow, rect.firstColumn},
                                  {rect.firstRow, rect.lastColumn, rect.lastRow, rect.lastColumn}};
        for (const CellRect& edge : edges) {
            GrowBy(sheet, edge, rect);
        }
    }
    return rect;
}

} // namespace vantor::host
