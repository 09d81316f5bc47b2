#include "qt/CompartLinePeer.hpp"

#include "qt/PeerBinding.hpp"

namespace vantor::qt {

CompartLinePeer::CompartLinePeer(CompartLine& control, double dpi, QWidget* parent)
    : QFrame(parent) {
    setFrameShadow(QFrame::Sunken);
    new PeerBinding(this, control, dpi, [this, &control] {
        const Rect& r = control.Position();
        setFrameShape(r.height > r.width ? QFrame::VLine : QFrame::HLine);
    });
}

} // namespace vantor::qt
