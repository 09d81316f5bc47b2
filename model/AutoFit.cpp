#include "model/AutoFit.hpp"

#include "model/CellStore.hpp"
#include "model/Constants.hpp"
#include "model/StyleTable.hpp"
#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/TextFunctions.hpp"

#include <algorithm>
#include <cmath>
#include <map>

namespace vantor::model::autofit {

namespace {

// The padding of a column beside its text, in characters.
constexpr double kPadding = 0.43;

std::string TextOf(const Variant& value) {
    try {
        return value.ToString();
    } catch (const AutomationError&) {
        return value.Describe();
    }
}

// Width of a text in characters of the default font.
double TextWidth(std::string_view text, double fontSize, double defaultFontSize) {
    return static_cast<double>(CharCount(text)) * fontSize / defaultFontSize;
}

double RoundTo(double v, double step) {
    return std::ceil(v / step - 1e-9) * step;
}

int LineCount(const std::string& text, const Style& style, double columnWidth,
              double defaultFontSize) {
    if (!style.wrapText) {
        return 1;
    }
    const double perLine = std::max(1.0, columnWidth - kPadding);
    int lines = 0;
    size_t start = 0;
    while (true) {
        const size_t end = text.find('\n', start);
        const std::string_view paragraph(text.data() + start,
                                         (end == std::string::npos ? text.size() : end) - start);
        lines += std::max(1, static_cast<int>(std::ceil(
                                 TextWidth(paragraph, style.fontSize, defaultFontSize) / perLine)));
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return lines;
}

} // namespace

double LineHeight(double fontSize) {
    return RoundTo(fontSize * 15.0 / 11.0, 0.25);
}

void FitRows(CellStore& store, const CellRect& rect, double defaultFontSize) {
    const StyleTable& table = store.Table();
    std::map<int32_t, double> heights;
    // Every column counts: a row's height is that of its tallest cell.
    const CellRect rows{rect.firstRow, 0, rect.lastRow, constants::kColumnCount - 1};
    store.ForEachValue(rows, [&](CellKey key, const Variant& value) {
        if (value.IsEmpty()) {
            return;
        }
        const std::string text = TextOf(value);
        if (text.empty()) {
            return; // an empty text shows nothing, as an empty cell
        }
        const int32_t row = RowOf(key);
        const int32_t column = ColumnOf(key);
        const Style& style = table.Get(store.StyleAt(row, column));
        const double width = store.State().columnWidths.At(column);
        const double height =
            LineHeight(style.fontSize) * LineCount(text, style, width, defaultFontSize);
        double& best = heights[row];
        best = std::min(kMaxRowHeight, std::max(best, height));
    });
    store.SetRowHeights(rect.firstRow, rect.lastRow, LineHeight(defaultFontSize));
    for (const auto& [row, height] : heights) {
        store.SetRowHeights(row, row, height);
    }
}

void FitColumns(CellStore& store, const CellRect& rect, double defaultFontSize) {
    const StyleTable& table = store.Table();
    std::map<int32_t, double> widths;
    store.ForEachValue(rect, [&](CellKey key, const Variant& value) {
        if (value.IsEmpty()) {
            return;
        }
        const int32_t row = RowOf(key);
        const int32_t column = ColumnOf(key);
        const Style& style = table.Get(store.StyleAt(row, column));
        const std::string text = TextOf(value);
        if (style.wrapText || text.empty()) {
            return;
        }
        const double width =
            RoundTo(TextWidth(text, style.fontSize, defaultFontSize) + kPadding, 0.01);
        double& best = widths[column];
        best = std::min(kMaxColumnWidth, std::max(best, width));
    });
    // Fitting only widens: the block's cells must not cut what other cells of
    // the column show.
    for (const auto& [column, width] : widths) {
        if (width > store.State().columnWidths.At(column)) {
            store.SetColumnWidths(column, column, width);
        }
    }
}

} // namespace vantor::model::autofit
