#include "qt/QtSurface.hpp"

#include "qt/Twips.hpp"

#include <QFontMetricsF>
#include <QPainter>

namespace vantor::qt {

QtSurface::QtSurface(double dpi, QPalette palette) : m_dDpi(dpi), m_palette(std::move(palette)) {}

void QtSurface::Resize(int32_t width, int32_t height) {
    m_nWidth = TwipsToPixels(width, m_dDpi);
    m_nHeight = TwipsToPixels(height, m_dDpi);
}

float QtSurface::ScaleWidth() const {
    return static_cast<float>(m_nWidth - 2 * Border());
}

float QtSurface::ScaleHeight() const {
    return static_cast<float>(m_nHeight - 2 * Border());
}

QFont QtSurface::CurrentFont() const {
    const FontAttributes& a = m_pFont->Attributes();
    QFont font(QString::fromStdString(a.name));
    font.setPointSizeF(a.size);
    font.setBold(a.bold);
    font.setItalic(a.italic);
    font.setUnderline(a.underline);
    font.setStrikeOut(a.strikethrough);
    return font;
}

void QtSurface::Clear() {
    m_fCurrentX = 0;
    m_fCurrentY = 0;
    if (m_pPainter == nullptr) {
        return;
    }
    const QRect outer(0, 0, m_nWidth, m_nHeight);
    m_pPainter->fillRect(outer, ColorOf(m_lBackColor, m_palette));
    if (m_nBorderStyle == 1) {
        m_pPainter->setPen(m_palette.color(QPalette::WindowText));
        m_pPainter->setBrush(Qt::NoBrush);
        m_pPainter->drawRect(outer.adjusted(0, 0, -1, -1));
    }
}

float QtSurface::TextWidth(const std::string& text) const {
    return static_cast<float>(
        QFontMetricsF(CurrentFont()).horizontalAdvance(QString::fromStdString(text)));
}

float QtSurface::TextHeight(const std::string& text) const {
    return text.empty() ? 0.0f : static_cast<float>(QFontMetricsF(CurrentFont()).height());
}

void QtSurface::Print(const std::string& text) {
    const QString qtext = QString::fromStdString(text);
    m_lastText = QPointF(m_fCurrentX, m_fCurrentY);
    m_strLastText = qtext;
    if (m_pPainter == nullptr || qtext.isEmpty()) {
        return;
    }
    const QFont font = CurrentFont();
    const QFontMetricsF metrics(font);
    const QPointF origin(m_fCurrentX + Border(), m_fCurrentY + Border());
    m_pPainter->save();
    // The text stays inside the border: a text larger than the area is cut.
    m_pPainter->setClipRect(QRectF(Border(), Border(), ScaleWidth(), ScaleHeight()));
    if (!m_bFontTransparent) {
        m_pPainter->fillRect(
            QRectF(origin, QSizeF(metrics.horizontalAdvance(qtext), metrics.height())),
            ColorOf(m_lBackColor, m_palette));
    }
    m_pPainter->setFont(font);
    m_pPainter->setPen(ColorOf(m_lForeColor, m_palette));
    m_pPainter->drawText(QPointF(origin.x(), origin.y() + metrics.ascent()), qtext);
    m_pPainter->restore();
}

} // namespace vantor::qt
