#include "qt/CommandButtonPeer.hpp"

#include "qt/PeerBinding.hpp"
#include "qt/Twips.hpp"

namespace vantor::qt {

CommandButtonPeer::CommandButtonPeer(CommandButton& control, double dpi, QWidget* parent)
    : QPushButton(parent), m_control(control) {
    setAutoDefault(false);
    m_pBinding = new PeerBinding(this, control, dpi,
                                 [this] { setText(CaptionText(m_control.Caption(), true)); });
    connect(this, &QPushButton::clicked, this,
            [this] { m_pBinding->Act([this] { m_control.UserClick(); }); });
}

} // namespace vantor::qt
