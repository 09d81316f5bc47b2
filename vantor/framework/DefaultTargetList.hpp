#pragma once
#include "vantor/Export.h"
#include "vantor/framework/TargetList.hpp"

#include <vector>

namespace vantor {

// A target list over values the host gives at creation: the page's target
// first. All pages of one dialog may share one.
class VANTOR_API DefaultTargetList : public TargetList {
public:
    DefaultTargetList() = default;
    explicit DefaultTargetList(std::vector<Variant> items) : m_items(std::move(items)) {}

    // 9 for an index outside the list.
    Variant Item(int32_t index) override;
    int32_t Count() override { return static_cast<int32_t>(m_items.size()); }

private:
    std::vector<Variant> m_items;
};

} // namespace vantor
