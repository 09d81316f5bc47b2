#pragma once
#include "model/RangeChild.hpp"
#include "vantor/automation/MemberTable.hpp"

namespace vantor::model {

// The notes of a range's cells: "Text" reads the text they share (Null
// where they differ) and writes it to every cell of the range at once,
// giving a note to the cells that have none.
class RangeComment : public DispatchObject<RangeComment, RangeChild> {
public:
    using DispatchObject::DispatchObject;
    static const MemberTable<RangeComment>& Members();
    std::string TypeName() const override { return "Comment"; }
};

} // namespace vantor::model
