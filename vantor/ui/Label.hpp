#pragma once
#include "vantor/ui/PlainControl.hpp"

namespace vantor {

// A static text.
class Label : public PlainControl<Label> {
public:
    using PlainControl::PlainControl;
    std::string Kind() const override { return "Label"; }
};

} // namespace vantor
