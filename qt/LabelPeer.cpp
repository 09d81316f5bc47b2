#include "qt/LabelPeer.hpp"

#include "qt/PeerBinding.hpp"
#include "qt/Twips.hpp"

namespace vantor::qt {

LabelPeer::LabelPeer(Label& control, double dpi, QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    new PeerBinding(
        this, control, dpi, [this, &control] { setText(CaptionText(control.Caption(), false, this)); },
        true);
}

} // namespace vantor::qt
