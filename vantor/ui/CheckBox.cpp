#include "vantor/ui/CheckBox.hpp"

#include "vantor/ui/ControlDescription.hpp"

namespace vantor {

void CheckBox::SetValue(int32_t value) {
    if (value < 0 || value > 2) {
        throw AutomationError(err::InvalidPropertyValue);
    }
    if (value == m_nValue) {
        return;
    }
    m_nValue = value;
    Changed();
    Raise(ev::Click);
}

void CheckBox::UserClick() {
    CheckUsable();
    SetValue(m_nValue == 1 ? 0 : 1);
}

void CheckBox::Describe(ControlDescription& description) const { description.Add("value", Variant(m_nValue)); }

const MemberTable<CheckBox>& CheckBox::Members() {
    static const MemberTable<CheckBox> table = [] {
        MemberTable<CheckBox> t;
        t.Inherit(Control::Members());
        t.Property(
            "Value", [](CheckBox& c, auto) { return Variant(c.Value()); },
            [](CheckBox& c, auto, const Variant& v) { c.SetValue(v.ToLong()); });
        return t;
    }();
    return table;
}

} // namespace vantor
