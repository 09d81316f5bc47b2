#pragma once
#include "vantor/Export.h"
#include "vantor/automation/Enumerations.hpp"
#include "vantor/ui/Control.hpp"

#include <array>

namespace vantor {

// The border diagram of the base control library: the working copy of the
// eight borders of a selection, by border index 5 (down diagonal), 6 (up
// diagonal), 7 left, 8 top, 9 bottom, 10 right, 11 inside vertical, 12
// inside horizontal. Members by identifier: 1 Layout (0 one cell, 1 inside
// horizontal only, 2 inside vertical only, 3 both), 2 BorderLineStyle(n),
// 3 BorderWeight(n), 4 BorderColor(n). A click on a border raises event 9
// with its index.
class VANTOR_API QvFrameStyle : public DispatchObject<QvFrameStyle, Control> {
public:
    static constexpr int32_t FirstBorder = 5;
    static constexpr int32_t LastBorder = 12;

    using DispatchObject::DispatchObject;
    std::string Kind() const override { return "QvFrameStyle"; }

    int16_t Layout() const { return m_nLayout; }
    void SetLayout(int16_t layout);
    // Whether the diagram shows border n under the current layout.
    bool HasBorder(int32_t n) const;

    // Border n's values; 9 for an index outside 5 .. 12.
    int32_t BorderLineStyle(int32_t n) const { return At(n).lineStyle; }
    int32_t BorderWeight(int32_t n) const { return At(n).weight; }
    int32_t BorderColor(int32_t n) const { return At(n).color; }
    void SetBorderLineStyle(int32_t n, int32_t style);
    void SetBorderWeight(int32_t n, int32_t weight);
    void SetBorderColor(int32_t n, int32_t color);

    // 5 for a border the diagram does not show.
    void UserClickBorder(int32_t n) override;

    static const MemberTable<QvFrameStyle>& Members();

private:
    struct Border {
        int32_t lineStyle = enums::LineStyle::None;
        int32_t weight = enums::BorderWeight::Thin;
        int32_t color = 0;
    };
    const Border& At(int32_t n) const;
    Border& At(int32_t n);

    int16_t m_nLayout = 0;
    std::array<Border, 8> m_borders{};
};

} // namespace vantor
