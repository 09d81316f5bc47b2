#pragma once
#include "model/CellAddress.hpp"

namespace vantor::model {
class Range;
}

// How a host's selection meets merge areas: a selection that touches an area
// grows to cover it, as the user sees the area as one cell.
namespace vantor::host {

// The range grown, again and again, until no merge area crosses its edge;
// the range itself when it touches none. Merge areas are reached through the
// range members "MergeCells" and "MergeArea"; a model without them has none.
model::CellRect CoverMergeAreas(const model::Range& range);

} // namespace vantor::host
