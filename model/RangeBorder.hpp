#pragma once
#include "model/Style.hpp"
#include "model/StyleSummary.hpp"
#include "vantor/automation/MemberTable.hpp"

#include <memory>

namespace vantor::model {

class Range;

// One border of a range, by index: 5 and 6 the diagonals, 7 to 10 the left,
// top, bottom and right edges, 11 and 12 the inside vertical and horizontal
// lines. "LineStyle", "Weight", "color", "ColorIndex"; writes are staged on
// the range.
class RangeBorder : public DispatchObject<RangeBorder> {
public:
    RangeBorder(std::shared_ptr<Range> range, int32_t index);
    static const MemberTable<RangeBorder>& Members();
    std::string TypeName() const override { return "Border"; }
    std::string DisplayName() const override;

private:
    Variant Read(int offset, const std::function<Variant(const BorderLine&)>& value) const;
    void Stage(int offset, const std::function<void(BorderLine&)>& set) const;

    std::shared_ptr<Range> m_pRange;
    StyleSummary::Group m_group; // the cells whose edges this border is
    Field m_styleField;          // the first field of the line those cells hold
    int32_t m_nIndex;
};

} // namespace vantor::model
