#include "model/FormatCodeProblem.hpp"

namespace vantor::model {

const MemberTable<FormatCodeProblem>& FormatCodeProblem::Members() {
    static const MemberTable<FormatCodeProblem> table = [] {
        MemberTable<FormatCodeProblem> t;
        t.Property("Description", [](FormatCodeProblem& p, auto) { return Variant(p.m_error.Description()); });
        t.Property("Start", [](FormatCodeProblem& p, auto) { return Variant(p.m_error.Position()); });
        t.Property("Length", [](FormatCodeProblem& p, auto) { return Variant(p.m_error.Length()); });
        return t;
    }();
    return table;
}

} // namespace vantor::model
