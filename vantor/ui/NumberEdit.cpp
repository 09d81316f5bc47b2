#include "vantor/ui/NumberEdit.hpp"

#include "vantor/automation/TextFunctions.hpp"
#include "vantor/ui/ControlDescription.hpp"

#include <algorithm>

namespace vantor {

void NumberEdit::SetValue(const Variant& value) {
    Variant next = Variant::Null();
    if (!value.IsNull()) {
        const int32_t n = value.ToLong();
        if (n < m_nMin || n > m_nMax) {
            throw AutomationError(err::InvalidPropertyValue, Name() + " takes " + std::to_string(m_nMin) + " to " +
                                                                 std::to_string(m_nMax));
        }
        next = Variant(n);
    }
    if (next == m_vtValue) {
        return;
    }
    m_vtValue = next;
    Changed();
    Raise(ev::ValueChanged);
}

void NumberEdit::SetRange(int32_t min, int32_t max) {
    if (min > max) {
        throw AutomationError(err::InvalidPropertyValue);
    }
    m_nMin = min;
    m_nMax = max;
    if (!m_vtValue.IsNull()) {
        SetValue(Variant(std::clamp(m_vtValue.ToLong(), min, max)));
    }
    Changed();
}

void NumberEdit::UserType(const std::string& text) {
    CheckUsable();
    if (Trim(text).empty()) {
        SetValue(Variant::Null());
        return;
    }
    double typed = 0;
    try {
        typed = Variant(text).ToDouble();
    } catch (const AutomationError&) {
        throw AutomationError(err::InvalidPropertyValue, "'" + text + "' is not a number");
    }
    SetValue(Variant(static_cast<int32_t>(std::clamp<double>(typed, m_nMin, m_nMax))));
}

void NumberEdit::UserStep(int32_t delta) {
    CheckUsable();
    const int64_t current = m_vtValue.IsNull() ? m_nMin : m_vtValue.ToLong();
    SetValue(Variant(static_cast<int32_t>(std::clamp<int64_t>(current + delta, m_nMin, m_nMax))));
}

void NumberEdit::Describe(ControlDescription& description) const { description.Add("value", m_vtValue); }

const MemberTable<NumberEdit>& NumberEdit::Members() {
    static const MemberTable<NumberEdit> table = [] {
        MemberTable<NumberEdit> t;
        t.Inherit(Control::Members());
        t.Property(
            "Value", [](NumberEdit& c, auto) { return c.Value(); },
            [](NumberEdit& c, auto, const Variant& v) { c.SetValue(v); }, 1);
        t.Property(
            "Min", [](NumberEdit& c, auto) { return Variant(c.Min()); },
            [](NumberEdit& c, auto, const Variant& v) { c.SetRange(v.ToLong(), c.Max()); }, 2);
        t.Property(
            "Max", [](NumberEdit& c, auto) { return Variant(c.Max()); },
            [](NumberEdit& c, auto, const Variant& v) { c.SetRange(c.Min(), v.ToLong()); }, 3);
        return t;
    }();
    return table;
}

} // namespace vantor
