#include "qt/PictureBoxPeer.hpp"

#include "qt/PeerBinding.hpp"

namespace vantor::qt {

PictureBoxPeer::PictureBoxPeer(PictureBox& control, double dpi, QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    new PeerBinding(this, control, dpi, {});
}

} // namespace vantor::qt
