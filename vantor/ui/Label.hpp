#pragma once
#include "vantor/ui/Control.hpp"

namespace vantor {

// A static text.
class Label : public DispatchObject<Label, Control> {
public:
    using DispatchObject::DispatchObject;
    std::string Kind() const override { return "Label"; }

    static const MemberTable<Label>& Members() {
        static const MemberTable<Label> table = [] {
            MemberTable<Label> t;
            t.Inherit(Control::Members());
            return t;
        }();
        return table;
    }
};

} // namespace vantor
