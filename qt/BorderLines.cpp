#include "qt/BorderLines.hpp"

#include <QPen>

namespace vantor::qt {

namespace {

constexpr int32_t LineNone = -4142;
constexpr int32_t LineUndetermined = -1;
constexpr int32_t LineDash = -4115;
constexpr int32_t LineDot = -4118;
constexpr int32_t LineDashDot = 4;
constexpr int32_t LineDashDotDot = 5;
constexpr int32_t LineDouble = -4119;
constexpr int32_t LineSlantDashDot = 13;
constexpr int32_t WeightHairline = 1;
constexpr int32_t WeightMedium = -4138;
constexpr int32_t WeightThick = 4;

} // namespace

qreal BorderWidth(int32_t weight) {
    switch (weight) {
    case WeightMedium:
        return 2.0;
    case WeightThick:
        return 3.0;
    default:
        return 1.0;
    }
}

void DrawBorderLine(QPainter& painter, const QLineF& line, int32_t style, int32_t weight,
                    const QColor& color) {
    if (style == LineNone) {
        return;
    }
    QPen pen(color, BorderWidth(weight), Qt::SolidLine, Qt::FlatCap);
    switch (style) {
    case LineUndetermined:
        pen.setColor(Qt::gray);
        break;
    case LineDash:
        pen.setDashPattern({4, 2});
        break;
    case LineDot:
        pen.setDashPattern({1, 2});
        break;
    case LineDashDot:
        pen.setDashPattern({4, 2, 1, 2});
        break;
    case LineDashDotDot:
        pen.setDashPattern({4, 2, 1, 2, 1, 2});
        break;
    case LineSlantDashDot:
        pen.setWidthF(2.0);
        pen.setDashPattern({5, 1, 2, 1});
        break;
    case LineDouble: {
        // Two thin lines with a pixel between them.
        const QPointF d = line.normalVector().unitVector().p2() - line.p1();
        pen.setWidthF(1.0);
        painter.setPen(pen);
        painter.drawLine(line.translated(d));
        painter.drawLine(line.translated(-d));
        return;
    }
    default:
        if (weight == WeightHairline) {
            pen.setDashPattern({1, 1});
        }
        break;
    }
    painter.setPen(pen);
    painter.drawLine(line);
}

} // namespace vantor::qt
