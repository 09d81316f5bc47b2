#include "qt/LineStylePeer.hpp"

#include "qt/BorderLines.hpp"
#include "qt/PeerBinding.hpp"
#include "qt/Twips.hpp"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vantor::qt {

LineStylePeer::LineStylePeer(LineStyle& control, double dpi, QWidget* parent)
    : QWidget(parent), m_control(control) {
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    m_pBinding = new PeerBinding(this, control, dpi, [this] { update(); });
}

QRect LineStylePeer::EntryRect(int index) const {
    const int columns = std::max<int>(1, m_control.Columns());
    const int rows = std::max<int>(1, m_control.Rows());
    const int w = width() / columns;
    const int h = height() / rows;
    // Entries fill a column from the top, then the next column.
    const int column = index / rows;
    const int row = index % rows;
    return QRect(column * w, row * h, w, h);
}

void LineStylePeer::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const QColor color = isEnabled() ? ColorOf(m_control.LineColor(), palette())
                                     : palette().color(QPalette::Disabled, QPalette::Text);
    for (int i = 0; i <= m_control.MaxIndex(); ++i) {
        const QRect cell = EntryRect(i);
        if (i == m_control.SelIndex()) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(cell.adjusted(2, 2, -3, -3));
            if (hasFocus()) {
                painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
                painter.drawRect(cell.adjusted(3, 3, -4, -4));
            }
        }
        const qreal y = cell.center().y() + 0.5;
        DrawBorderLine(painter, QLineF(cell.left() + 8, y, cell.right() - 8, y),
                       m_control.StyleOf(i), m_control.WeightOf(i), color);
    }
}

void LineStylePeer::mousePressEvent(QMouseEvent* event) {
    for (int i = 0; i <= m_control.MaxIndex(); ++i) {
        if (EntryRect(i).contains(event->position().toPoint())) {
            setFocus(Qt::MouseFocusReason);
            m_pBinding->Act([this, i] { m_control.UserSelect(i); });
            return;
        }
    }
}

void LineStylePeer::keyPressEvent(QKeyEvent* event) {
    int step = 0;
    if (event->key() == Qt::Key_Down || event->key() == Qt::Key_Right) {
        step = 1;
    } else if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Left) {
        step = -1;
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    const int next = std::clamp(m_control.SelIndex() + step, 0, m_control.MaxIndex());
    m_pBinding->Act([this, next] { m_control.UserSelect(next); });
}

} // namespace vantor::qt
