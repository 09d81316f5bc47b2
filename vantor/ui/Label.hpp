#pragma once
#include "vantor/Export.h"
#include "vantor/ui/ControlDescription.hpp"
#include "vantor/ui/PlainControl.hpp"

namespace vantor {

// A static text.
class VANTOR_API Label : public PlainControl<Label> {
public:
    using PlainControl::PlainControl;
    std::string Kind() const override { return "Label"; }
    // What a label shows is its caption.
    void Describe(ControlDescription& description) const override {
        description.Add("text", Variant(Caption()));
    }
};

} // namespace vantor
