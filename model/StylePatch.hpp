#pragma once
#include "model/Style.hpp"

namespace vantor::model {

// Staged changes to styles: the fields in `mask` take their values from
// `values`, every other field keeps each cell's own value.
struct StylePatch {
    FieldMask mask = 0;
    Style values;

    bool Empty() const { return mask == 0; }
    void Clear() { mask = 0; }
    // The style with this patch applied, kept consistent: a border written
    // with no line forgets its weight and colour, a weight or colour given to
    // a border without a line draws a continuous one, and a fill colour given
    // to a cell without fill makes the fill solid.
    Style AppliedTo(const Style& style) const;
};

} // namespace vantor::model
