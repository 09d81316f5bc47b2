#include "qt/OptionButtonPeer.hpp"

#include "qt/PeerBinding.hpp"
#include "qt/Twips.hpp"

namespace vantor::qt {

OptionButtonPeer::OptionButtonPeer(OptionButton& control, double dpi, QWidget* parent)
    : QRadioButton(parent), m_control(control) {
    setAutoExclusive(false);
    m_pBinding = new PeerBinding(this, control, dpi, [this] { Refresh(); });
    m_pBinding->FitText([this] { return sizeHint().width(); });
}

void OptionButtonPeer::nextCheckState() {
    m_pBinding->Act([this] { m_control.UserClick(); });
}

void OptionButtonPeer::Refresh() {
    setText(CaptionText(m_control.Caption(), true, this));
    setChecked(m_control.Value());
}

} // namespace vantor::qt
