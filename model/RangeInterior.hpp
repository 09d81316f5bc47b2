#pragma once
#include "model/RangeChild.hpp"
#include "vantor/automation/MemberTable.hpp"

namespace vantor::model {

// The fill of a range: "color", "ColorIndex", "Pattern", "PatternColor",
// "PatternColorIndex". Writes are staged on the range.
class RangeInterior : public DispatchObject<RangeInterior, RangeChild> {
public:
    using DispatchObject::DispatchObject;
    static const MemberTable<RangeInterior>& Members();
    std::string TypeName() const override { return "Interior"; }
};

} // namespace vantor::model
