#pragma once
#include "vantor/Export.h"
#include "vantor/ui/PlainControl.hpp"

namespace vantor {

// A frame that groups controls; controls name it as their container.
class VANTOR_API Frame : public PlainControl<Frame> {
public:
    using PlainControl::PlainControl;
    std::string Kind() const override { return "Frame"; }
};

} // namespace vantor
