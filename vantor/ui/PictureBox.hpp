#pragma once
#include "vantor/ui/Control.hpp"

namespace vantor {

// A plain surface, for pictures or a hosted control.
class PictureBox : public DispatchObject<PictureBox, Control> {
public:
    using DispatchObject::DispatchObject;
    std::string Kind() const override { return "PictureBox"; }

    static const MemberTable<PictureBox>& Members() {
        static const MemberTable<PictureBox> table = [] {
            MemberTable<PictureBox> t;
            t.Inherit(Control::Members());
            return t;
        }();
        return table;
    }
};

} // namespace vantor
