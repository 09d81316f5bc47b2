#pragma once
#include "vantor/Export.h"
#include "vantor/controls/FontObject.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace vantor {

// What a control draws on: a background, a foreground colour, a border, a
// current font and a drawing position, in scale units of the surface's own.
// Colours are the platform's: an RGB value (red in the low byte) or a system
// colour 0x800000nn; a value that is neither raises 380.
class VANTOR_API DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // The control's outer size, in twips; the inner area is what the border leaves.
    virtual void Resize(int32_t width, int32_t height) = 0;
    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;

    // Fills the inner area with the background colour; the drawing position
    // goes back to (0, 0).
    virtual void Clear() = 0;
    // The size of one line of text in the current font.
    virtual float TextWidth(const std::string& text) const = 0;
    virtual float TextHeight(const std::string& text) const = 0;
    // Draws the text as one line at the drawing position, in the current font
    // and foreground colour; unless the font is transparent, the box behind
    // each character is filled with the background colour.
    virtual void Print(const std::string& text) = 0;

    // The drawing state, the same for every surface.
    float CurrentX() const { return m_fCurrentX; }
    float CurrentY() const { return m_fCurrentY; }
    void SetCurrentX(float x) { m_fCurrentX = x; }
    void SetCurrentY(float y) { m_fCurrentY = y; }
    int32_t BackColor() const { return m_lBackColor; }
    void SetBackColor(int32_t color);
    int32_t ForeColor() const { return m_lForeColor; }
    void SetForeColor(int32_t color);
    // 0 no border, 1 a single line; 380 for any other value.
    int16_t BorderStyle() const { return m_nBorderStyle; }
    void SetBorderStyle(int16_t style);
    bool FontTransparent() const { return m_bFontTransparent; }
    void SetFontTransparent(bool on) { m_bFontTransparent = on; }
    // The current font object; setting adopts the caller's object (91 for none).
    const std::shared_ptr<FontObject>& Font() const { return m_pFont; }
    void SetFont(std::shared_ptr<FontObject> font);

protected:
    DrawingSurface();

    float m_fCurrentX = 0;
    float m_fCurrentY = 0;
    int32_t m_lBackColor;
    int32_t m_lForeColor;
    int16_t m_nBorderStyle = 0;
    bool m_bFontTransparent = true;
    std::shared_ptr<FontObject> m_pFont;
};

} // namespace vantor
