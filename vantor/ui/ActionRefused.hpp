#pragma once
#include "vantor/Export.h"
#include "vantor/automation/AutomationError.hpp"

namespace vantor {

// A user action that a kind of control does not have (438). Hosts tell it
// apart from a failure of an action the control has.
class VANTOR_API ActionRefused : public AutomationError {
public:
    explicit ActionRefused(const std::string& description) : AutomationError(err::NotSupported, description) {}
};

} // namespace vantor
