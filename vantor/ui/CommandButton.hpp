#pragma once
#include "vantor/ui/Control.hpp"

namespace vantor {

// A push button; the user's click raises Click. The default button of a
// form is the one that Enter presses when no other button has the focus.
class CommandButton : public DispatchObject<CommandButton, Control> {
public:
    using DispatchObject::DispatchObject;
    std::string Kind() const override { return "CommandButton"; }

    bool Default() const { return m_bDefault; }
    // Belongs to the design: set before the form is shown.
    void SetDefault(bool isDefault) { m_bDefault = isDefault; }

    void UserClick() override {
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

private:
    bool m_bDefault = false;
};

} // namespace vantor
