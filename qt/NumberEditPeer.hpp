#pragma once
#include "vantor/ui/NumberEdit.hpp"

#include <QAbstractSpinBox>

namespace vantor::qt {

class PeerBinding;

// A number box with spin buttons. It shows Null as an empty field; the
// range is the control's. The typed text goes to the control when editing
// finishes (Enter or leaving the field); the buttons are its UserStep.
class NumberEditPeer : public QAbstractSpinBox {
public:
    NumberEditPeer(NumberEdit& control, double dpi, QWidget* parent);

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    void Refresh();
    void Commit();

    NumberEdit& m_control;
    PeerBinding* m_pBinding;
};

} // namespace vantor::qt
