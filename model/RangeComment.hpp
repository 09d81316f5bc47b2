#pragma once
#include "vantor/automation/MemberTable.hpp"

#include <memory>

namespace vantor::model {

class Range;

// The notes of a range's cells: "Text" reads the text they share (Null
// where they differ) and writes every note of the range at once.
class RangeComment : public DispatchObject<RangeComment> {
public:
    explicit RangeComment(std::shared_ptr<Range> range);
    static const MemberTable<RangeComment>& Members();
    std::string TypeName() const override { return "Comment"; }
    std::string DisplayName() const override;

private:
    std::shared_ptr<Range> m_pRange;
};

} // namespace vantor::model
