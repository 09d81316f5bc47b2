#pragma once
#include "vantor/automation/AutomationError.hpp"

#include <functional>

namespace vantor::test {

// The number of the automation error that f raises, 0 when it raises none.
inline int ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const AutomationError& e) {
        return e.Number();
    }
    return 0;
}

} // namespace vantor::test
