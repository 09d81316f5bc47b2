#pragma once
#include "vantor/automation/MemberTable.hpp"

#include <memory>

namespace vantor::model {

class Range;

// The fill of a range: "color", "ColorIndex", "Pattern", "PatternColor",
// "PatternColorIndex". Writes are staged on the range.
class RangeInterior : public DispatchObject<RangeInterior> {
public:
    explicit RangeInterior(std::shared_ptr<Range> range);
    static const MemberTable<RangeInterior>& Members();
    std::string TypeName() const override { return "Interior"; }
    std::string DisplayName() const override;

private:
    std::shared_ptr<Range> m_pRange;
};

} // namespace vantor::model
