#pragma once
#include "vantor/controls/DrawingSurface.hpp"

#include <QFont>
#include <QPalette>
#include <QPointF>
#include <QString>

class QPainter;

namespace vantor::qt {

// A drawing surface over QPainter: its scale unit is the pixel, text is
// measured with QFontMetricsF in the current font, and system colours come
// from the palette. Drawing needs a painter (Begin); without one the surface
// only keeps its state and measures.
class QtSurface : public DrawingSurface {
public:
    QtSurface(double dpi, QPalette palette);

    void Begin(QPainter* painter) { m_pPainter = painter; }
    void End() { m_pPainter = nullptr; }

    void Resize(int32_t width, int32_t height) override;
    float ScaleWidth() const override;
    float ScaleHeight() const override;

    void Clear() override;
    float TextWidth(const std::string& text) const override;
    float TextHeight(const std::string& text) const override;
    float CurrentX() const override { return m_fCurrentX; }
    float CurrentY() const override { return m_fCurrentY; }
    void SetCurrentX(float x) override { m_fCurrentX = x; }
    void SetCurrentY(float y) override { m_fCurrentY = y; }
    void Print(const std::string& text) override;

    int32_t BackColor() const override { return m_lBackColor; }
    void SetBackColor(int32_t color) override;
    int32_t ForeColor() const override { return m_lForeColor; }
    void SetForeColor(int32_t color) override;
    int16_t BorderStyle() const override { return m_nBorderStyle; }
    void SetBorderStyle(int16_t style) override;
    bool FontTransparent() const override { return m_bFontTransparent; }
    void SetFontTransparent(bool on) override { m_bFontTransparent = on; }
    const std::shared_ptr<FontObject>& Font() const override { return m_pFont; }
    void SetFont(std::shared_ptr<FontObject> font) override;

    // The Qt font of the current font object.
    QFont CurrentFont() const;
    // Where the last text was drawn, in surface units from the inner top left.
    QPointF LastTextPosition() const { return m_lastText; }
    QString LastText() const { return m_strLastText; }

private:
    // The width of the border in pixels: 1 for a single line.
    int Border() const { return m_nBorderStyle == 1 ? 1 : 0; }

    double m_dDpi;
    QPalette m_palette;
    QPainter* m_pPainter = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
    float m_fCurrentX = 0;
    float m_fCurrentY = 0;
    int32_t m_lBackColor = static_cast<int32_t>(0x8000000F);
    int32_t m_lForeColor = static_cast<int32_t>(0x80000012);
    int16_t m_nBorderStyle = 0;
    bool m_bFontTransparent = true;
    std::shared_ptr<FontObject> m_pFont;
    QPointF m_lastText;
    QString m_strLastText;
};

} // namespace vantor::qt
