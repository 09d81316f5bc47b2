#pragma once
#include "vantor/automation/MemberTable.hpp"

#include <memory>

namespace vantor::model {

class Range;
class RangeBorder;

// The borders of a range: "Item" 5 to 12, each the same border object on
// every call. The inside lines (11, 12) exist only where the range has more
// than one column or row.
class RangeBorders : public DispatchObject<RangeBorders> {
public:
    explicit RangeBorders(std::shared_ptr<Range> range);
    static const MemberTable<RangeBorders>& Members();
    std::string TypeName() const override { return "Borders"; }
    std::string DisplayName() const override;
    std::vector<Variant> Enumerate() override;
    std::shared_ptr<RangeBorder> Item(int32_t index);

private:
    std::shared_ptr<Range> m_pRange;
    std::shared_ptr<RangeBorder> m_items[8];
};

} // namespace vantor::model
