#pragma once
#include "vantor/ui/CheckBox.hpp"

#include <QCheckBox>

namespace vantor::qt {

class PeerBinding;

// A check box with its three states: cleared, checked and grey (undecided).
// A click goes through the control, which decides the next state.
class CheckBoxPeer : public QCheckBox {
public:
    CheckBoxPeer(CheckBox& control, double dpi, QWidget* parent);

protected:
    void nextCheckState() override;

private:
    void Refresh();

    CheckBox& m_control;
    PeerBinding* m_pBinding;
};

} // namespace vantor::qt
