#include "qt/BorderLines.hpp"

#include "vantor/automation/Enumerations.hpp"

#include <QPen>

namespace vantor::qt {

namespace {

namespace LineStyle = enums::LineStyle;
namespace BorderWeight = enums::BorderWeight;

// The diagram's value for a line that differs across the selection.
constexpr int32_t LineUndetermined = -1;

} // namespace

qreal BorderWidth(int32_t weight) {
    switch (weight) {
    case BorderWeight::Medium:
        return 2.0;
    case BorderWeight::Thick:
        return 3.0;
    default:
        return 1.0;
    }
}

void DrawBorderLine(QPainter& painter, const QLineF& line, int32_t style, int32_t weight,
                    const QColor& color) {
    if (style == LineStyle::None) {
        return;
    }
    QPen pen(color, BorderWidth(weight), Qt::SolidLine, Qt::FlatCap);
    switch (style) {
    case LineUndetermined:
        pen.setColor(Qt::gray);
        break;
    case LineStyle::Dash:
        pen.setDashPattern({4, 2});
        break;
    case LineStyle::Dot:
        pen.setDashPattern({1, 2});
        break;
    case LineStyle::DashDot:
        pen.setDashPattern({4, 2, 1, 2});
        break;
    case LineStyle::DashDotDot:
        pen.setDashPattern({4, 2, 1, 2, 1, 2});
        break;
    case LineStyle::SlantDashDot:
        pen.setWidthF(2.0);
        pen.setDashPattern({5, 1, 2, 1});
        break;
    case LineStyle::Double: {
        // Two thin lines with a pixel between them.
        const QPointF d = line.normalVector().unitVector().p2() - line.p1();
        pen.setWidthF(1.0);
        painter.setPen(pen);
        painter.drawLine(line.translated(d));
        painter.drawLine(line.translated(-d));
        return;
    }
    default:
        if (weight == BorderWeight::Hairline) {
            pen.setDashPattern({1, 1});
        }
        break;
    }
    painter.setPen(pen);
    painter.drawLine(line);
}

} // namespace vantor::qt
