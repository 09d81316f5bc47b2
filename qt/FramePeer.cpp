#include "qt/FramePeer.hpp"

#include "qt/PeerBinding.hpp"
#include "qt/Twips.hpp"

namespace vantor::qt {

FramePeer::FramePeer(Frame& control, double dpi, QWidget* parent) : QGroupBox(parent) {
    new PeerBinding(this, control, dpi,
                    [this, &control] { setTitle(CaptionText(control.Caption(), false)); });
}

} // namespace vantor::qt
