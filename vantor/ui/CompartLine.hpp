#pragma once
#include "vantor/ui/Control.hpp"

namespace vantor {

// The separator line of the base control library: decoration only.
class CompartLine : public DispatchObject<CompartLine, Control> {
public:
    using DispatchObject::DispatchObject;
    std::string Kind() const override { return "CompartLine"; }

    static const MemberTable<CompartLine>& Members() {
        static const MemberTable<CompartLine> table = [] {
            MemberTable<CompartLine> t;
            t.Inherit(Control::Members());
            return t;
        }();
        return table;
    }
};

} // namespace vantor
