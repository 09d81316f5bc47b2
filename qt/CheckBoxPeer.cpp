#include "qt/CheckBoxPeer.hpp"

#include "qt/PeerBinding.hpp"
#include "qt/Twips.hpp"

namespace vantor::qt {

CheckBoxPeer::CheckBoxPeer(CheckBox& control, double dpi, QWidget* parent)
    : QCheckBox(parent), m_control(control) {
    setTristate(true);
    m_pBinding = new PeerBinding(this, control, dpi, [this] { Refresh(); });
    m_pBinding->FitText([this] { return sizeHint().width(); });
}

void CheckBoxPeer::nextCheckState() {
    m_pBinding->Act([this] { m_control.UserClick(); });
}

void CheckBoxPeer::Refresh() {
    setText(CaptionText(m_control.Caption(), true, this));
    switch (m_control.Value()) {
    case 1:
        setCheckState(Qt::Checked);
        break;
    case 2:
        setCheckState(Qt::PartiallyChecked);
        break;
    default:
        setCheckState(Qt::Unchecked);
        break;
    }
}

} // namespace vantor::qt
