#pragma once
#include "vantor/Export.h"
#include "vantor/ui/Control.hpp"

namespace vantor {

// A check box: 0 cleared, 1 checked, 2 grey (undecided). In push-button
// style it is a toggle button with two states.
class VANTOR_API CheckBox : public DispatchObject<CheckBox, Control> {
public:
    using DispatchObject::DispatchObject;
    std::string Kind() const override { return "CheckBox"; }

    int32_t Value() const { return m_nValue; }
    // Raises Click when the value changes; 380 for a value other than 0, 1, 2.
    void SetValue(int32_t value);
    bool PushButtonStyle() const { return m_bPushButton; }
    void SetPushButtonStyle(bool on) { m_bPushButton = on; }

    // A click checks a cleared or grey box and clears a checked one.
    void UserClick() override;
    void UserSetValue(const Variant& value) override { SetValue(value.ToLong()); }

    Variant CurrentValue() const override { return Variant(m_nValue); }
    void Describe(ControlDescription& description) const override;

    static const MemberTable<CheckBox>& Members();

private:
    int32_t m_nValue = 0;
    bool m_bPushButton = false;
};

} // namespace vantor
