#pragma once
#include "vantor/Export.h"
#include "vantor/ui/PlainControl.hpp"

namespace vantor {

// The separator line of the base control library: decoration only.
class VANTOR_API CompartLine : public PlainControl<CompartLine> {
public:
    using PlainControl::PlainControl;
    std::string Kind() const override { return "CompartLine"; }
};

} // namespace vantor
