#pragma once
#include "vantor/ui/OptionButton.hpp"

#include <QRadioButton>

namespace vantor::qt {

class PeerBinding;

// An option button. Its group is the control's (the buttons of one
// container), so Qt's own exclusivity is off.
class OptionButtonPeer : public QRadioButton {
public:
    OptionButtonPeer(OptionButton& control, double dpi, QWidget* parent);

protected:
    void nextCheckState() override;

private:
    void Refresh();

    OptionButton& m_control;
    PeerBinding* m_pBinding;
};

} // namespace vantor::qt
