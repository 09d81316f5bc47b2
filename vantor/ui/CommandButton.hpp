#pragma once
#include "vantor/Export.h"
#include "vantor/ui/Control.hpp"

namespace vantor {

// A push button; the user's click raises Click. The default button of a
// form is the one that Enter presses when no other button has the focus; its
// cancel button is the one that Esc presses.
class VANTOR_API CommandButton : public DispatchObject<CommandButton, Control> {
public:
    using DispatchObject::DispatchObject;
    std::string Kind() const override { return "CommandButton"; }

    bool Default() const { return m_bDefault; }
    // Belongs to the design: set before the form is shown.
    void SetDefault(bool isDefault) { m_bDefault = isDefault; }
    bool Cancel() const { return m_bCancel; }
    // Belongs to the design, as the default button does.
    void SetCancel(bool isCancel) { m_bCancel = isCancel; }

    void UserClick() override {
        CheckUsable();
        Raise(ev::Click);
    }

    static const MemberTable<CommandButton>& Members() {
        static const MemberTable<CommandButton> table = [] {
            MemberTable<CommandButton> t;
            t.Inherit(Control::Members());
            t.Property("Default", [](CommandButton& b, auto) { return Variant(b.Default()); });
            t.Property("Cancel", [](CommandButton& b, auto) { return Variant(b.Cancel()); });
            return t;
        }();
        return table;
    }

private:
    bool m_bDefault = false;
    bool m_bCancel = false;
};

} // namespace vantor
