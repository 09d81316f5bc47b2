#pragma once
#include "qt/CellPainter.hpp"
#include "vantor/ui/PictureBox.hpp"

#include <QFrame>

namespace vantor::qt {

// A plain sunken surface. Given a sheet, it shows a small picture of the
// sheet's top-left cells, drawn as the grid draws them.
class PictureBoxPeer : public QFrame {
public:
    // How much smaller than in the grid the cells are drawn.
    static constexpr qreal Scale = 0.6;

    PictureBoxPeer(PictureBox& control, double dpi, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureBox& m_control;
    CellPainter m_painter;
};

} // namespace vantor::qt
