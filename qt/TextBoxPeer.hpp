#pragma once
#include "vantor/ui/TextBox.hpp"

#include <QLineEdit>

namespace vantor::qt {

class PeerBinding;

// A text box: its maximum length, password character, lock and a selection
// made by code; an edit is the control's UserType.
class TextBoxPeer : public QLineEdit {
public:
    TextBoxPeer(TextBox& control, double dpi, QWidget* parent);

private:
    void Refresh();

    TextBox& m_control;
    PeerBinding* m_pBinding;
    // The control's selection as last shown, and whether the user is typing.
    int32_t m_nSelStart = -1;
    int32_t m_nSelLength = -1;
    bool m_bTyping = false;
};

} // namespace vantor::qt
