#include "qt/QvFrameStylePeer.hpp"

#include "qt/BorderLines.hpp"
#include "qt/PeerBinding.hpp"
#include "qt/Twips.hpp"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace vantor::qt {

namespace {

constexpr int32_t DiagonalDown = 5;
constexpr int32_t DiagonalUp = 6;
constexpr int32_t EdgeLeft = 7;
constexpr int32_t EdgeTop = 8;
constexpr int32_t EdgeBottom = 9;
constexpr int32_t EdgeRight = 10;
constexpr int32_t InsideVertical = 11;
constexpr int32_t InsideHorizontal = 12;
constexpr qreal Margin = 14.0;
// How far from a line a click still hits it, in pixels.
constexpr qreal HitDistance = 6.0;

qreal DistanceTo(const QLineF& line, const QPointF& p) {
    const QPointF d = line.p2() - line.p1();
    const qreal length2 = d.x() * d.x() + d.y() * d.y();
    qreal t = length2 > 0 ? QPointF::dotProduct(p - line.p1(), d) / length2 : 0;
    t = std::clamp<qreal>(t, 0, 1);
    const QPointF nearest = line.p1() + t * d;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

} // namespace

QvFrameStylePeer::QvFrameStylePeer(QvFrameStyle& control, double dpi, QWidget* parent)
    : QWidget(parent), m_control(control) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    m_pBinding = new PeerBinding(this, control, dpi, [this] { update(); });
}

QRectF QvFrameStylePeer::Block() const {
    return QRectF(Margin, Margin, width() - 2 * Margin, height() - 2 * Margin);
}

std::vector<QRectF> QvFrameStylePeer::Cells() const {
    const QRectF b = Block();
    const bool twoColumns = m_control.HasBorder(InsideVertical);
    const bool twoRows = m_control.HasBorder(InsideHorizontal);
    const qreal w = twoColumns ? b.width() / 2 : b.width();
    const qreal h = twoRows ? b.height() / 2 : b.height();
    std::vector<QRectF> cells;
    for (int row = 0; row < (twoRows ? 2 : 1); ++row) {
        for (int column = 0; column < (twoColumns ? 2 : 1); ++column) {
            cells.emplace_back(b.left() + column * w, b.top() + row * h, w, h);
        }
    }
    return cells;
}

std::vector<QLineF> QvFrameStylePeer::Segments(int32_t n) const {
    if (!m_control.HasBorder(n)) {
        return {};
    }
    const QRectF b = Block();
    switch (n) {
    case EdgeLeft:
        return {QLineF(b.topLeft(), b.bottomLeft())};
    case EdgeTop:
        return {QLineF(b.topLeft(), b.topRight())};
    case EdgeBottom:
        return {QLineF(b.bottomLeft(), b.bottomRight())};
    case EdgeRight:
        return {QLineF(b.topRight(), b.bottomRight())};
    case InsideVertical:
        return {QLineF(b.center().x(), b.top(), b.center().x(), b.bottom())};
    case InsideHorizontal:
        return {QLineF(b.left(), b.center().y(), b.right(), b.center().y())};
    default:
        break;
    }
    std::vector<QLineF> diagonals;
    for (const QRectF& cell : Cells()) {
        diagonals.push_back(n == DiagonalDown ? QLineF(cell.topLeft(), cell.bottomRight())
                                              : QLineF(cell.bottomLeft(), cell.topRight()));
    }
    return diagonals;
}

int32_t QvFrameStylePeer::BorderAt(const QPointF& p) const {
    // Edges and inside lines first: where a diagonal meets an edge, the edge wins.
    int32_t best = 0;
    qreal bestDistance = HitDistance;
    for (int32_t n : {EdgeLeft, EdgeTop, EdgeBottom, EdgeRight, InsideVertical, InsideHorizontal,
                      DiagonalDown, DiagonalUp}) {
        for (const QLineF& segment : Segments(n)) {
            const qreal d = DistanceTo(segment, p);
            if (d < bestDistance) {
                bestDistance = d;
                best = n;
            }
        }
        if (best != 0 && n == InsideHorizontal) {
            return best;
        }
    }
    return best;
}

void QvFrameStylePeer::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    // Corner marks and sample text in each cell, as a guide to where borders go.
    const QColor guide = palette().color(QPalette::Mid);
    painter.setPen(guide);
    const QRectF b = Block();
    std::vector<QPointF> corners = {b.topLeft(), b.topRight(), b.bottomLeft(), b.bottomRight()};
    if (m_control.HasBorder(InsideVertical)) {
        corners.emplace_back(b.center().x(), b.top());
        corners.emplace_back(b.center().x(), b.bottom());
    }
    if (m_control.HasBorder(InsideHorizontal)) {
        corners.emplace_back(b.left(), b.center().y());
        corners.emplace_back(b.right(), b.center().y());
    }
    for (const QPointF& c : corners) {
        painter.drawLine(QLineF(c.x() - 8, c.y(), c.x() - 3, c.y()));
        painter.drawLine(QLineF(c.x() + 3, c.y(), c.x() + 8, c.y()));
        painter.drawLine(QLineF(c.x(), c.y() - 8, c.x(), c.y() - 3));
        painter.drawLine(QLineF(c.x(), c.y() + 3, c.x(), c.y() + 8));
    }
    for (const QRectF& cell : Cells()) {
        painter.drawText(cell, Qt::AlignCenter, tr("Text"));
    }

    for (int32_t n = QvFrameStyle::FirstBorder; n <= QvFrameStyle::LastBorder; ++n) {
        const QColor color = ColorOf(m_control.BorderColor(n), palette(), Qt::black);
        for (const QLineF& segment : Segments(n)) {
            DrawBorderLine(painter, segment, m_control.BorderLineStyle(n),
                           m_control.BorderWeight(n), color);
        }
    }
    if (!isEnabled()) {
        painter.fillRect(rect(), QColor(255, 255, 255, 120));
    }
}

void QvFrameStylePeer::mousePressEvent(QMouseEvent* event) {
    const int32_t n = BorderAt(event->position());
    if (n != 0) {
        m_pBinding->Act([this, n] { m_control.UserClickBorder(n); });
    }
}

} // namespace vantor::qt
