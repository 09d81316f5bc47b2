#pragma once
#include "vantor/automation/AutomationError.hpp"

#include <functional>
#include <string>

namespace vantor::test {

// The automation error that f raises; number 0 when it raises none.
inline AutomationError RaisedBy(const std::function<void()>& f) {
    try {
        f();
    } catch (const AutomationError& e) {
        return e;
    }
    return AutomationError(0, "");
}

// The number of the automation error that f raises, 0 when it raises none.
inline int ErrorOf(const std::function<void()>& f) {
    return RaisedBy(f).Number();
}

// The description of the automation error that f raises, "" when it raises none.
inline std::string DescriptionOf(const std::function<void()>& f) {
    return RaisedBy(f).Description();
}

} // namespace vantor::test
