#pragma once
#include "vantor/ui/PlainControl.hpp"

namespace vantor {

// A plain surface, for pictures or a hosted control.
class PictureBox : public PlainControl<PictureBox> {
public:
    using PlainControl::PlainControl;
    std::string Kind() const override { return "PictureBox"; }
};

} // namespace vantor
