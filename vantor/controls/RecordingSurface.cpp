#include "vantor/controls/RecordingSurface.hpp"

#include "vantor/automation/TextFunctions.hpp"

namespace vantor {

namespace {

constexpr float TwipsPerPoint = 20.0f;

void CheckColor(int32_t color) {
    const auto u = static_cast<uint32_t>(color);
    if (u > 0xFFFFFFu && (u < 0x80000000u || u > 0x800000FFu)) {
        throw AutomationError(err::InvalidPropertyValue, "Not a colour");
    }
}

} // namespace

RecordingSurface::RecordingSurface()
    : m_lBackColor(static_cast<int32_t>(0x8000000F)),
      m_lForeColor(static_cast<int32_t>(0x80000012)), m_pFont(std::make_shared<FontObject>()) {}

void RecordingSurface::Resize(int32_t width, int32_t height) {
    m_lWidth = width;
    m_lHeight = height;
}

float RecordingSurface::ScaleWidth() const {
    return static_cast<float>(m_lWidth) - (m_nBorderStyle == 1 ? 2 * BorderWidth : 0.0f);
}

float RecordingSurface::ScaleHeight() const {
    return static_cast<float>(m_lHeight) - (m_nBorderStyle == 1 ? 2 * BorderWidth : 0.0f);
}

void RecordingSurface::Clear() {
    m_lines.clear();
    m_fCurrentX = 0;
    m_fCurrentY = 0;
    ++m_nClears;
}

float RecordingSurface::TextWidth(const std::string& text) const {
    return static_cast<float>(CharCount(text)) * m_pFont->Attributes().size * TwipsPerPoint / 2.0f;
}

float RecordingSurface::TextHeight(const std::string& text) const {
    return text.empty() ? 0.0f : m_pFont->Attributes().size * TwipsPerPoint;
}

void RecordingSurface::Print(const std::string& text) {
    if (!text.empty()) {
        m_lines.push_back(PrintedLine{text, m_fCurrentX, m_fCurrentY, m_pFont->Attributes(),
                                      m_lForeColor, m_lBackColor, m_bFontTransparent});
    }
}

void RecordingSurface::SetBackColor(int32_t color) {
    CheckColor(color);
    m_lBackColor = color;
}

void RecordingSurface::SetForeColor(int32_t color) {
    CheckColor(color);
    m_lForeColor = color;
}

void RecordingSurface::SetBorderStyle(int16_t style) {
    if (style != 0 && style != 1) {
        throw AutomationError(err::InvalidPropertyValue, "A border style is 0 or 1");
    }
    m_nBorderStyle = style;
}

void RecordingSurface::SetFont(std::shared_ptr<FontObject> font) {
    if (font == nullptr) {
        throw AutomationError(err::ObjectNotSet);
    }
    m_pFont = std::move(font);
}

} // namespace vantor
