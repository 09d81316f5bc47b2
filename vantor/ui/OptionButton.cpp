#include "vantor/ui/OptionButton.hpp"

#include "vantor/ui/ControlDescription.hpp"
#include "vantor/ui/Form.hpp"

namespace vantor {

void OptionButton::SetValue(bool value) {
    if (value == m_bValue) {
        return;
    }
    m_bValue = value;
    Changed();
    if (!value) {
        return;
    }
    if (Owner() != nullptr) {
        for (const auto& control : Owner()->Controls()) {
            auto* other = dynamic_cast<OptionButton*>(control.get());
            if (other != nullptr && other != this && other->Container() == Container()) {
                other->SetValue(false);
            }
        }
    }
    Raise(ev::Click);
}

void OptionButton::UserClick() {
    CheckUsable();
    SetValue(true);
}

void OptionButton::Describe(ControlDescription& description) const {
    description.Add("value", Variant(m_bValue));
}

const MemberTable<OptionButton>& OptionButton::Members() {
    static const MemberTable<OptionButton> table = [] {
        MemberTable<OptionButton> t;
        t.Inherit(Control::Members());
        t.Property(
            "Value", [](OptionButton& c, auto) { return Variant(c.Value()); },
            [](OptionButton& c, auto, const Variant& v) { c.SetValue(v.ToBool()); });
        return t;
    }();
    return table;
}

} // namespace vantor
