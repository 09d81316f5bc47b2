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
    void Print(const std::string& text) override;

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
    QPointF m_lastText;
    QString m_strLastText;
};

} // namespace vantor::qt
