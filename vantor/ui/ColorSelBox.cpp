#include "vantor/ui/ColorSelBox.hpp"

#include "vantor/ui/ControlDescription.hpp"

namespace vantor {

namespace {

constexpr int32_t Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

bool IsColor(int32_t color) {
    const auto u = static_cast<uint32_t>(color);
    return color == ColorSelBox::Automatic || color == ColorSelBox::NoColor || u <= 0xFFFFFFu ||
           (u >= 0x80000000u && u <= 0x800000FFu);
}

} // namespace

void ColorSelBox::SetSelColor(int32_t color) {
    if (!IsColor(color)) {
        throw AutomationError(err::InvalidPropertyValue);
    }
    if (color == m_lSelColor) {
        return;
    }
    m_lSelColor = color;
    Changed();
    Raise(ev::ValueChanged);
    Raise(ev::ColorPicked);
}

void ColorSelBox::UserPickColor(int32_t color) {
    CheckUsable();
    SetSelColor(color);
}

void ColorSelBox::Describe(ControlDescription& description) const {
    description.Add("color", Variant(m_lSelColor));
}

const std::array<int32_t, 40>& ColorSelBox::Palette() {
    static const std::array<int32_t, 40> palette = {
        Rgb(0, 0, 0),       Rgb(153, 51, 0),    Rgb(51, 51, 0),     Rgb(0, 51, 0),      Rgb(0, 51, 102),
        Rgb(0, 0, 128),     Rgb(51, 51, 153),   Rgb(51, 51, 51),    Rgb(128, 0, 0),     Rgb(255, 102, 0),
        Rgb(128, 128, 0),   Rgb(0, 128, 0),     Rgb(0, 128, 128),   Rgb(0, 0, 255),     Rgb(102, 102, 153),
        Rgb(128, 128, 128), Rgb(255, 0, 0),     Rgb(255, 153, 0),   Rgb(153, 204, 0),   Rgb(51, 153, 102),
        Rgb(51, 204, 204),  Rgb(51, 102, 255),  Rgb(128, 0, 128),   Rgb(153, 153, 153), Rgb(255, 0, 255),
        Rgb(255, 204, 0),   Rgb(255, 255, 0),   Rgb(0, 255, 0),     Rgb(0, 255, 255),   Rgb(0, 204, 255),
        Rgb(153, 51, 102),  Rgb(192, 192, 192), Rgb(255, 153, 204), Rgb(255, 204, 153), Rgb(255, 255, 153),
        Rgb(204, 255, 204), Rgb(204, 255, 255), Rgb(153, 204, 255), Rgb(204, 153, 255), Rgb(255, 255, 255),
    };
    return palette;
}

const MemberTable<ColorSelBox>& ColorSelBox::Members() {
    static const MemberTable<ColorSelBox> table = [] {
        MemberTable<ColorSelBox> t;
        t.Inherit(Control::Members());
        t.Property(
            "SelColor", [](ColorSelBox& c, auto) { return Variant(c.SelColor()); },
            [](ColorSelBox& c, auto, const Variant& v) { c.SetSelColor(v.ToLong()); }, 1);
        return t;
    }();
    return table;
}

} // namespace vantor
