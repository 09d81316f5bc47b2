#pragma once
#include "model/CellAddress.hpp"

// Fitting rows and columns to what their cells show, from each cell's font
// size, wrapping and text length. Widths are in characters of the default
// font, heights in points.
namespace vantor::model {
class CellStore;
}

namespace vantor::model::autofit {

constexpr double kDefaultColumnWidth = 8.43;
constexpr double kMaxRowHeight = 409.0;
constexpr double kMaxColumnWidth = 255.0;

// The height of one line of text in a font of this size.
double LineHeight(double fontSize);

// Each row of the block gets the height of its tallest cell (all the row's
// cells count); a row without content gets the height of one line of the
// default font.
void FitRows(CellStore& store, const CellRect& rect, double defaultFontSize);
// Each column of the block is widened to its widest unwrapped text among the
// block's cells; a column that is wide enough, or has no such text, keeps its
// width.
void FitColumns(CellStore& store, const CellRect& rect, double defaultFontSize);

} // namespace vantor::model::autofit
