#pragma once
#include "model/numfmt/FormatError.hpp"
#include "vantor/automation/MemberTable.hpp"

#include <string>

namespace vantor::model {

// What "NumberFormats"."Check" answers for a code cells would refuse: the
// "Description" of what is wrong, and the bad part as "Start" (1-based) and
// "Length", in characters.
class FormatCodeProblem : public DispatchObject<FormatCodeProblem> {
public:
    explicit FormatCodeProblem(numfmt::FormatError error) : m_error(std::move(error)) {}

    static const MemberTable<FormatCodeProblem>& Members();
    std::string TypeName() const override { return "FormatCodeProblem"; }

private:
    numfmt::FormatError m_error;
};

} // namespace vantor::model
