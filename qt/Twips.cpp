#include "qt/Twips.hpp"

#include <QVariant>
#include <QWidget>

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace vantor::qt {

double ScreenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

int TwipsToPixels(int32_t twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

QRect TwipsToPixels(const Rect& rect, double dpi) {
    // Edges are converted, not sizes, so neighbours that touch in twips touch in pixels.
    const int left = TwipsToPixels(rect.left, dpi);
    const int top = TwipsToPixels(rect.top, dpi);
    const int right = TwipsToPixels(rect.left + rect.width, dpi);
    const int bottom = TwipsToPixels(rect.top + rect.height, dpi);
    return QRect(left, top, right - left, bottom - top);
}

QColor ColorOf(int32_t color, const QPalette& palette, const QColor& fallback) {
    const auto u = static_cast<uint32_t>(color);
    if (u <= 0xFFFFFFu) {
        return QColor(static_cast<int>(u & 0xFF), static_cast<int>((u >> 8) & 0xFF),
                      static_cast<int>((u >> 16) & 0xFF));
    }
    if (u >= 0x80000000u && u <= 0x800000FFu) {
        switch (u & 0xFF) {
        case 0x05: // window background
            return palette.color(QPalette::Base);
        case 0x08: // window text
            return palette.color(QPalette::Text);
        case 0x0F: // button face
            return palette.color(QPalette::Button);
        case 0x10: // button shadow
            return palette.color(QPalette::Mid);
        case 0x11: // grey text
            return palette.color(QPalette::Disabled, QPalette::Text);
        case 0x12: // button text
            return palette.color(QPalette::ButtonText);
        case 0x0D: // highlight
            return palette.color(QPalette::Highlight);
        case 0x0E: // highlighted text
            return palette.color(QPalette::HighlightedText);
        case 0x14: // button highlight
            return palette.color(QPalette::Light);
        default:
            return palette.color(QPalette::Window);
        }
    }
    return fallback;
}

int32_t RgbOf(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

QFont FittedFont(QFont font, const std::function<bool(const QFont&)>& fits) {
    constexpr double Smallest = 7.0;
    while (!fits(font) && font.pointSizeF() - 0.5 >= Smallest) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    return font;
}

QString CaptionText(const std::string& caption, bool keepAccessKey, const QWidget* peer) {
    QString text = QString::fromStdString(caption);
    if (peer != nullptr) {
        const QStringList marked = peer->property("AccessText").toStringList();
        // The marking holds for the caption it was made from.
        if (marked.size() == 2 && marked[0] == text) {
            return marked[1];
        }
    }
    if (keepAccessKey) {
        return text;
    }
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
        }
        plain += text[i];
    }
    return plain;
}

} // namespace vantor::qt
