#include "vantor/framework/DefaultTargetList.hpp"

#include "vantor/automation/AutomationError.hpp"

namespace vantor {

Variant DefaultTargetList::Item(int32_t index) {
    if (index < 0 || index >= Count()) {
        throw AutomationError(err::SubscriptOutOfRange);
    }
    return m_items[static_cast<size_t>(index)];
}

} // namespace vantor
