#pragma once
#include "vantor/Export.h"
#include "vantor/ui/Control.hpp"

#include <array>

namespace vantor {

// The colour selector of the base control library. "SelColor" (identifier 1)
// is an RGB colour (red in the low byte), -1 for automatic or 0x8FFFFFFF when
// the selection has no uniform colour. A change raises event 9 (value
// changed) and then event 10 (colour picked).
class VANTOR_API ColorSelBox : public DispatchObject<ColorSelBox, Control> {
public:
    static constexpr int32_t Automatic = -1;
    static constexpr int32_t NoColor = static_cast<int32_t>(0x8FFFFFFF);

    using DispatchObject::DispatchObject;
    std::string Kind() const override { return "ColorSelBox"; }

    int32_t SelColor() const { return m_lSelColor; }
    // 380 for a value that is no colour: an RGB value, a system colour
    // (0x800000nn), automatic or no colour.
    void SetSelColor(int32_t color);

    void UserPickColor(int32_t color) override;
    void UserPickAutomatic() { UserPickColor(Automatic); }

    // The palette the selector offers.
    static const std::array<int32_t, 40>& Palette();

    Variant CurrentValue() const override { return Variant(m_lSelColor); }
    void Describe(ControlDescription& description) const override;

    static const MemberTable<ColorSelBox>& Members();

private:
    int32_t m_lSelColor = Automatic;
};

} // namespace vantor
