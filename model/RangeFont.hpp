#pragma once
#include "model/RangeChild.hpp"
#include "vantor/automation/MemberTable.hpp"

namespace vantor::model {

// The font of a range: "Name", "Size", "Bold", "Italic", "Underline",
// "Strikethrough", "color", "ColorIndex". Writes are staged on the range.
class RangeFont : public DispatchObject<RangeFont, RangeChild> {
public:
    using DispatchObject::DispatchObject;
    static const MemberTable<RangeFont>& Members();
    std::string TypeName() const override { return "Font"; }
};

} // namespace vantor::model
