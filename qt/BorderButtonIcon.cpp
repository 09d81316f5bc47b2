#include "qt/BorderButtonIcon.hpp"

#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <array>
#include <utility>

namespace vantor::qt {

namespace {

enum class Edge { Top, InsideHorizontal, Bottom, DiagonalDown, Left, InsideVertical, Right, DiagonalUp };

constexpr std::array<std::pair<const char*, Edge>, 8> kButtons = {{{"cmdTop", Edge::Top},
                                                                   {"cmdHInside", Edge::InsideHorizontal},
                                                                   {"cmdBottom", Edge::Bottom},
                                                                   {"cmdDown", Edge::DiagonalDown},
                                                                   {"cmdLeft", Edge::Left},
                                                                   {"cmdVInside", Edge::InsideVertical},
                                                                   {"cmdRight", Edge::Right},
                                                                   {"cmdUp", Edge::DiagonalUp}}};

QPixmap Picture(Edge edge, int side, qreal ratio) {
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, edge == Edge::DiagonalDown || edge == Edge::DiagonalUp);
    // The block of cells, its outline and inside lines dotted in grey.
    const qreal margin = side / 8.0;
    const QRectF box(margin, margin, side - 2 * margin, side - 2 * margin);
    const QPointF centre = box.center();
    QPen faint(QColor(150, 150, 150), 1.0, Qt::DotLine);
    faint.setCosmetic(true);
    painter.setPen(faint);
    painter.drawRect(box);
    painter.drawLine(QPointF(box.left(), centre.y()), QPointF(box.right(), centre.y()));
    painter.drawLine(QPointF(centre.x(), box.top()), QPointF(centre.x(), box.bottom()));
    // The edge itself, about a tenth of the picture thick.
    QPen strong(Qt::black, std::max(2.0, side / 10.0), Qt::SolidLine, Qt::SquareCap);
    painter.setPen(strong);
    switch (edge) {
    case Edge::Top:
        painter.drawLine(box.topLeft(), box.topRight());
        break;
    case Edge::InsideHorizontal:
        painter.drawLine(QPointF(box.left(), centre.y()), QPointF(box.right(), centre.y()));
        break;
    case Edge::Bottom:
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        break;
    case Edge::DiagonalDown:
        painter.drawLine(box.topLeft(), box.bottomRight());
        break;
    case Edge::Left:
        painter.drawLine(box.topLeft(), box.bottomLeft());
        break;
    case Edge::InsideVertical:
        painter.drawLine(QPointF(centre.x(), box.top()), QPointF(centre.x(), box.bottom()));
        break;
    case Edge::Right:
        painter.drawLine(box.topRight(), box.bottomRight());
        break;
    case Edge::DiagonalUp:
        painter.drawLine(box.bottomLeft(), box.topRight());
        break;
    }
    return pixmap;
}

} // namespace

QIcon BorderButtonIcon(const std::string& buttonName, int side) {
    for (const auto& [name, edge] : kButtons) {
        if (buttonName == name) {
            QIcon icon;
            icon.addPixmap(Picture(edge, side, 1.0));
            icon.addPixmap(Picture(edge, side, 2.0));
            return icon;
        }
    }
    return QIcon();
}

} // namespace vantor::qt
