#pragma once
#include "vantor/ui/CommandButton.hpp"

#include <QPushButton>

namespace vantor::qt {

class PeerBinding;

// A push button whose click is the control's.
class CommandButtonPeer : public QPushButton {
public:
    CommandButtonPeer(CommandButton& control, double dpi, QWidget* parent);

private:
    CommandButton& m_control;
    PeerBinding* m_pBinding;
};

} // namespace vantor::qt
