#pragma once
#include "model/RangeChild.hpp"
#include "model/StyleSummary.hpp"
#include "vantor/automation/MemberTable.hpp"

namespace vantor::model {

// One border of a range, by index: 5 and 6 the diagonals, 7 to 10 the left,
// top, bottom and right edges, 11 and 12 the inside vertical and horizontal
// lines. "LineStyle", "Weight", "color", "ColorIndex"; writes are staged on
// the range.
class RangeBorder : public DispatchObject<RangeBorder, RangeChild> {
public:
    // The parts of a line, in the order of its fields.
    enum class LinePart { Style, Weight, Color };

    RangeBorder(std::shared_ptr<Range> range, int32_t index);
    static const MemberTable<RangeBorder>& Members();
    std::string TypeName() const override { return "Border"; }
    std::string DisplayName() const override;

    // A part of the line over the cells whose edges this border is.
    Variant Read(LinePart part, const std::function<Variant(const BorderLine&)>& value) const;
    void Stage(LinePart part, const std::function<void(BorderLine&)>& set) const;

private:
    StyleSummary::Group m_group; // the cells whose edges this border is
    Field m_styleField;          // the first field of the line those cells hold
    int32_t m_nIndex;
};

} // namespace vantor::model
