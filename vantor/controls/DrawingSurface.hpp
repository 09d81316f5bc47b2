#pragma once
#include "vantor/controls/FontObject.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace vantor {

// What a control draws on: a background, a foreground colour, a border, a
// current font and a drawing position, in scale units of the surface's own.
// Colours are the platform's: an RGB value (red in the low byte) or a system
// colour 0x800000nn; a value that is neither raises 380.
class DrawingSurface {
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
    virtual float CurrentX() const = 0;
    virtual float CurrentY() const = 0;
    virtual void SetCurrentX(float x) = 0;
    virtual void SetCurrentY(float y) = 0;
    // Draws the text as one line at the drawing position, in the current font
    // and foreground colour; unless the font is transparent, the box behind
    // each character is filled with the background colour.
    virtual void Print(const std::string& text) = 0;

    virtual int32_t BackColor() const = 0;
    virtual void SetBackColor(int32_t color) = 0;
    virtual int32_t ForeColor() const = 0;
    virtual void SetForeColor(int32_t color) = 0;
    // 0 no border, 1 a single line; 380 for any other value.
    virtual int16_t BorderStyle() const = 0;
    virtual void SetBorderStyle(int16_t style) = 0;
    virtual bool FontTransparent() const = 0;
    virtual void SetFontTransparent(bool on) = 0;
    // The current font object; setting adopts the caller's object (91 for none).
    virtual const std::shared_ptr<FontObject>& Font() const = 0;
    virtual void SetFont(std::shared_ptr<FontObject> font) = 0;
};

} // namespace vantor
