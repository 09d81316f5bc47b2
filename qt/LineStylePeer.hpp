#pragma once
#include "vantor/ui/LineStyle.hpp"

#include <QWidget>

namespace vantor::qt {

class PeerBinding;

// The line-style picker: its entries in a grid of Columns by Rows, each drawn
// as its line in the picker's colour; the selected one framed. A click or the
// arrow keys are the control's UserSelect.
class LineStylePeer : public QWidget {
public:
    LineStylePeer(LineStyle& control, double dpi, QWidget* parent);

    // The cell of entry i, in widget pixels.
    QRect EntryRect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    LineStyle& m_control;
    PeerBinding* m_pBinding;
};

} // namespace vantor::qt
