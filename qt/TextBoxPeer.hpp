#pragma once
#include "vantor/ui/TextBox.hpp"

#include <QLineEdit>

namespace vantor::qt {

class PeerBinding;

// A text box: its maximum length, password character and lock; an edit is
// the control's UserType.
class TextBoxPeer : public QLineEdit {
public:
    TextBoxPeer(TextBox& control, double dpi, QWidget* parent);

private:
    void Refresh();

    TextBox& m_control;
    PeerBinding* m_pBinding;
};

} // namespace vantor::qt
