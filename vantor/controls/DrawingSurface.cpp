#include "vantor/controls/DrawingSurface.hpp"

#include "vantor/automation/AutomationError.hpp"

namespace vantor {

namespace {

void CheckColor(int32_t color) {
    const auto u = static_cast<uint32_t>(color);
    if (u > 0xFFFFFFu && (u < 0x80000000u || u > 0x800000FFu)) {
        throw AutomationError(err::InvalidPropertyValue, "Not a colour");
    }
}

} // namespace

// Button face behind window text, as a control starts.
DrawingSurface::DrawingSurface()
    : m_lBackColor(static_cast<int32_t>(0x8000000F)),
      m_lForeColor(static_cast<int32_t>(0x80000012)), m_pFont(std::make_shared<FontObject>()) {}

void DrawingSurface::SetBackColor(int32_t color) {
    CheckColor(color);
    m_lBackColor = color;
}

void DrawingSurface::SetForeColor(int32_t color) {
    CheckColor(color);
    m_lForeColor = color;
}

void DrawingSurface::SetBorderStyle(int16_t style) {
    if (style != 0 && style != 1) {
        throw AutomationError(err::InvalidPropertyValue, "A border style is 0 or 1");
    }
    m_nBorderStyle = style;
}

void DrawingSurface::SetFont(std::shared_ptr<FontObject> font) {
    if (font == nullptr) {
        throw AutomationError(err::ObjectNotSet);
    }
    m_pFont = std::move(font);
}

} // namespace vantor
