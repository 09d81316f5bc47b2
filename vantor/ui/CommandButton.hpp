#pragma once
#include "vantor/ui/Control.hpp"

namespace vantor {

// A push button; the user's click raises Click.
class CommandButton : public DispatchObject<CommandButton, Control> {
public:
    using DispatchObject::DispatchObject;
    std::string Kind() const override { return "CommandButton"; }

    void UserClick() {
        CheckUsable();
        Raise(ev::Click);
    }

    static const MemberTable<CommandButton>& Members() {
        static const MemberTable<CommandButton> table = [] {
            MemberTable<CommandButton> t;
            t.Inherit(Control::Members());
            return t;
        }();
        return table;
    }
};

} // namespace vantor
