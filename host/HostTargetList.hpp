#pragma once
#include "vantor/automation/AutomationError.hpp"
#include "vantor/framework/TargetList.hpp"

#include <vector>

namespace vantor::host {

// The targets a dialog hands to its pages; all pages of one dialog share it.
class HostTargetList : public TargetList {
public:
    explicit HostTargetList(std::vector<Variant> items) : m_items(std::move(items)) {}

    Variant Item(int32_t index) override {
        if (index < 0 || index >= Count()) {
            throw AutomationError(err::SubscriptOutOfRange);
        }
        return m_items[static_cast<size_t>(index)];
    }
    int32_t Count() override { return static_cast<int32_t>(m_items.size()); }

private:
    std::vector<Variant> m_items;
};

} // namespace vantor::host
