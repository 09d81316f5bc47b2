#pragma once
#include "vantor/Export.h"
#include "vantor/ui/Control.hpp"

namespace vantor {

// An option button; the option buttons of one container form a group of
// which at most one is on.
class VANTOR_API OptionButton : public DispatchObject<OptionButton, Control> {
public:
    using DispatchObject::DispatchObject;
    std::string Kind() const override { return "OptionButton"; }

    bool Value() const { return m_bValue; }
    // Turning a button on turns the others of its group off and raises its
    // Click; turning one off raises nothing.
    void SetValue(bool value);

    void UserClick() override;
    void UserSetValue(const Variant& value) override { SetValue(value.ToBool()); }

    Variant CurrentValue() const override { return Variant(m_bValue); }
    void Describe(ControlDescription& description) const override;

    static const MemberTable<OptionButton>& Members();

private:
    bool m_bValue = false;
};

} // namespace vantor
