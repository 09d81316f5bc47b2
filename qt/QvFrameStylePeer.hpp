#pragma once
#include "vantor/ui/QvFrameStyle.hpp"

#include <QLineF>
#include <QWidget>

#include <vector>

namespace vantor::qt {

class PeerBinding;

// The border diagram: a block of one cell, two rows, two columns or two by
// two, as Layout says, with each border drawn in its line style, weight and
// colour. A click near a border (inside lines only where the layout has
// them) is the control's UserClickBorder.
class QvFrameStylePeer : public QWidget {
public:
    QvFrameStylePeer(QvFrameStyle& control, double dpi, QWidget* parent);

    // The segments border n is drawn on (empty when the layout lacks it).
    std::vector<QLineF> Segments(int32_t n) const;
    // The border a click at p hits, 0 for none.
    int32_t BorderAt(const QPointF& p) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRectF Block() const;
    // The cells of the block.
    std::vector<QRectF> Cells() const;

    QvFrameStyle& m_control;
    PeerBinding* m_pBinding;
};

} // namespace vantor::qt
