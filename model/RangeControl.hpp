#pragma once
#include "model/RangeChild.hpp"
#include "vantor/automation/MemberTable.hpp"

namespace vantor::model {

// The embedded control of a range's cells: "Name" (the kind; "" for none)
// and "HideOnDeactivate". Writes are staged on the range.
class RangeControl : public DispatchObject<RangeControl, RangeChild> {
public:
    using DispatchObject::DispatchObject;
    static const MemberTable<RangeControl>& Members();
    std::string TypeName() const override { return "Control"; }
};

} // namespace vantor::model
