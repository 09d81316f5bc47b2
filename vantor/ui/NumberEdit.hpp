#pragma once
#include "vantor/Export.h"
#include "vantor/ui/Control.hpp"

namespace vantor {

// The number box of the base control library: a whole number between a
// minimum and a maximum, or Null (shown empty). A change raises event 9.
class VANTOR_API NumberEdit : public DispatchObject<NumberEdit, Control> {
public:
    using DispatchObject::DispatchObject;
    std::string Kind() const override { return "NumberEdit"; }

    // A Long, or Null.
    const Variant& Value() const { return m_vtValue; }
    // Null, or a number within the range (380 outside it); raises event 9
    // when the value changes.
    void SetValue(const Variant& value);
    int32_t Min() const { return m_nMin; }
    int32_t Max() const { return m_nMax; }
    // 380 when min > max; the value is brought into the new range.
    void SetRange(int32_t min, int32_t max);

    // The user's entry: an empty text is Null, a number is held to the range,
    // anything else is refused with 380.
    void UserType(const std::string& text) override;
    void UserSetValue(const Variant& value) override { SetValue(value); }
    // The spin buttons: one up or down, within the range.
    void UserStep(int32_t delta);

    Variant CurrentValue() const override { return m_vtValue; }
    void Describe(ControlDescription& description) const override;

    static const MemberTable<NumberEdit>& Members();

private:
    Variant m_vtValue = Variant(0);
    int32_t m_nMin = 0;
    int32_t m_nMax = 2147483647;
};

} // namespace vantor
