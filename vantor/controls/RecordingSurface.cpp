#include "vantor/controls/RecordingSurface.hpp"

#include "vantor/automation/TextFunctions.hpp"

namespace vantor {

namespace {

constexpr float TwipsPerPoint = 20.0f;

} // namespace

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

} // namespace vantor
