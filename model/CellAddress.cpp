#include "model/CellAddress.hpp"

#include "model/Constants.hpp"
#include "vantor/automation/AutomationError.hpp"

#include <cctype>
#include <optional>

namespace vantor::model {

namespace {

using constants::kColumnCount;
using constants::kRowCount;

// One end of an address: a column, a row, or both.
struct Ref {
    std::optional<int32_t> column;
    std::optional<int32_t> row;
};

std::optional<Ref> ParseRef(std::string_view text) {
    Ref ref;
    size_t i = 0;
    if (i < text.size() && text[i] == '$') {
        ++i;
    }
    int64_t column = 0;
    size_t letters = 0;
    while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]))) {
        column = column * 26 + (std::toupper(static_cast<unsigned char>(text[i])) - 'A' + 1);
        if (++letters > 3) {
            return std::nullopt;
        }
        ++i;
    }
    if (letters > 0) {
        if (column > kColumnCount) {
            return std::nullopt;
        }
        ref.column = static_cast<int32_t>(column - 1);
    }
    if (i < text.size() && text[i] == '$') {
        if (letters == 0) {
            return std::nullopt;
        }
        ++i;
    }
    int64_t row = 0;
    size_t digits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        row = row * 10 + (text[i] - '0');
        if (++digits > 7) {
            return std::nullopt;
        }
        ++i;
    }
    if (digits > 0) {
        if (row < 1 || row > kRowCount) {
            return std::nullopt;
        }
        ref.row = static_cast<int32_t>(row - 1);
    }
    if (i != text.size() || (letters == 0 && digits == 0)) {
        return std::nullopt;
    }
    return ref;
}

[[noreturn]] void Refuse(std::string_view address) {
    throw AutomationError(err::ApplicationDefined,
                          "\"" + std::string(address) +
                              "\" is not a cell address such as A1, A1:C3, B:B or 1:1");
}

} // namespace

CellRect WholeSheet() {
    return CellRect{0, 0, kRowCount - 1, kColumnCount - 1};
}

CellRect ParseAddress(std::string_view address) {
    const size_t colon = address.find(':');
    const std::string_view firstText = address.substr(0, colon);
    const std::string_view lastText =
        colon == std::string_view::npos ? firstText : address.substr(colon + 1);
    const auto first = ParseRef(firstText);
    const auto last = ParseRef(lastText);
    if (!first || !last) {
        Refuse(address);
    }
    CellRect rect;
    if (first->column && first->row && last->column && last->row) {
        rect = CellRect{*first->row, *first->column, *last->row, *last->column};
    } else if (colon != std::string_view::npos && first->column && last->column && !first->row &&
               !last->row) {
        rect = CellRect{0, *first->column, kRowCount - 1, *last->column};
    } else if (colon != std::string_view::npos && first->row && last->row && !first->column &&
               !last->column) {
        rect = CellRect{*first->row, 0, *last->row, kColumnCount - 1};
    } else {
        Refuse(address);
    }
    if (rect.firstRow > rect.lastRow) {
        std::swap(rect.firstRow, rect.lastRow);
    }
    if (rect.firstColumn > rect.lastColumn) {
        std::swap(rect.firstColumn, rect.lastColumn);
    }
    return rect;
}

std::string ColumnName(int32_t column) {
    std::string name;
    for (int32_t c = column + 1; c > 0; c = (c - 1) / 26) {
        name.insert(name.begin(), static_cast<char>('A' + (c - 1) % 26));
    }
    return name;
}

std::string FormatAddress(const CellRect& rect) {
    const bool allRows = rect.firstRow == 0 && rect.lastRow == kRowCount - 1;
    const bool allColumns = rect.firstColumn == 0 && rect.lastColumn == kColumnCount - 1;
    const auto row = [](int32_t r) { return std::string("$").append(std::to_string(r + 1)); };
    const auto col = [](int32_t c) { return std::string("$").append(ColumnName(c)); };
    if (allRows && !allColumns) {
        return col(rect.firstColumn) + ":" + col(rect.lastColumn);
    }
    if (allColumns && !allRows) {
        return row(rect.firstRow) + ":" + row(rect.lastRow);
    }
    const std::string first = col(rect.firstColumn) + row(rect.firstRow);
    if (rect.firstRow == rect.lastRow && rect.firstColumn == rect.lastColumn) {
        return first;
    }
    return first + ":" + col(rect.lastColumn) + row(rect.lastRow);
}

} // namespace vantor::model
