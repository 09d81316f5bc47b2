#pragma once
#include "vantor/automation/MemberTable.hpp"

#include <memory>

namespace vantor::model {

class Range;

// The embedded control of a range's cells: "Name" (the kind; "" for none)
// and "HideOnDeactivate". Writes are staged on the range.
class RangeControl : public DispatchObject<RangeControl> {
public:
    explicit RangeControl(std::shared_ptr<Range> range);
    static const MemberTable<RangeControl>& Members();
    std::string TypeName() const override { return "Control"; }
    std::string DisplayName() const override;

private:
    std::shared_ptr<Range> m_pRange;
};

} // namespace vantor::model
