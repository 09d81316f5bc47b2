#pragma once
#include "vantor/ui/CheckBox.hpp"

#include <QToolButton>

namespace vantor::qt {

class PeerBinding;

// A check box in push-button style: a small toggle button, down while the
// box is checked, labelled by the initials of its caption with the whole
// caption as its tip. A click goes through the control.
class ToggleButtonPeer : public QToolButton {
public:
    ToggleButtonPeer(CheckBox& control, double dpi, QWidget* parent);

protected:
    void nextCheckState() override;

private:
    void Refresh();

    CheckBox& m_control;
    PeerBinding* m_pBinding;
};

} // namespace vantor::qt
