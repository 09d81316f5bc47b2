#pragma once
#include "model/Constants.hpp"

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor::model {

// A block of cells, rows and columns 0-based and inclusive.
struct CellRect {
    int32_t firstRow = 0;
    int32_t firstColumn = 0;
    int32_t lastRow = 0;
    int32_t lastColumn = 0;

    int32_t RowCount() const { return lastRow - firstRow + 1; }
    int32_t ColumnCount() const { return lastColumn - firstColumn + 1; }
    int64_t CellCount() const { return int64_t{RowCount()} * ColumnCount(); }
    bool operator==(const CellRect&) const = default;
};

// The whole sheet.
CellRect WholeSheet();

// Parses an A1 address: "B2", "A1:C3", "B:D", "3:5", with optional "$"
// marks, letters in either case. Raises 1004 for anything else.
CellRect ParseAddress(std::string_view address);

// "$A$1", "$A$1:$C$3", "$B:$D", "$3:$5".
std::string FormatAddress(const CellRect& rect);

// "A" for 0, "AA" for 26.
std::string ColumnName(int32_t column);

} // namespace vantor::model
