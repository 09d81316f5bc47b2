#pragma once
#include "vantor/ui/Control.hpp"

namespace vantor {

// A frame that groups controls; controls name it as their container.
class Frame : public DispatchObject<Frame, Control> {
public:
    using DispatchObject::DispatchObject;
    std::string Kind() const override { return "Frame"; }

    static const MemberTable<Frame>& Members() {
        static const MemberTable<Frame> table = [] {
            MemberTable<Frame> t;
            t.Inherit(Control::Members());
            return t;
        }();
        return table;
    }
};

} // namespace vantor
