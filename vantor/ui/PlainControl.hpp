#pragma once
#include "vantor/ui/Control.hpp"

namespace vantor {

// Base of the kinds that have nothing of their own beyond what every control
// has (a label, a frame, ...): their late-bound members are Control's.
template <typename T> class PlainControl : public DispatchObject<T, Control> {
public:
    using DispatchObject<T, Control>::DispatchObject;

    static const MemberTable<T>& Members() {
        static const MemberTable<T> table = [] {
            MemberTable<T> t;
            t.Inherit(Control::Members());
            return t;
        }();
        return table;
    }
};

} // namespace vantor
