#pragma once
#include "vantor/automation/MemberTable.hpp"

#include <memory>

namespace vantor::model {

class Range;

// The font of a range: "Name", "Size", "Bold", "Italic", "Underline",
// "Strikethrough", "color", "ColorIndex". Writes are staged on the range.
class RangeFont : public DispatchObject<RangeFont> {
public:
    explicit RangeFont(std::shared_ptr<Range> range);
    static const MemberTable<RangeFont>& Members();
    std::string TypeName() const override { return "Font"; }
    std::string DisplayName() const override;

private:
    std::shared_ptr<Range> m_pRange;
};

} // namespace vantor::model
