#pragma once
#include "vantor/Export.h"
#include "vantor/automation/Variant.hpp"

#include <cstdint>

namespace vantor {

// The host's list of targets, handed to a page by SetTargets. Element 0
// holds the page's target; later elements are never read.
class VANTOR_API TargetList {
public:
    virtual ~TargetList() = default;
    virtual Variant Item(int32_t index) = 0;
    virtual int32_t Count() = 0;
};

} // namespace vantor
