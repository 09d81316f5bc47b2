#include "qt/CommandButtonPeer.hpp"

#include "qt/PeerBinding.hpp"
#include "qt/Twips.hpp"

namespace vantor::qt {

CommandButtonPeer::CommandButtonPeer(CommandButton& control, double dpi, QWidget* parent)
    : QPushButton(parent), m_control(control) {
    // In a dialog, Enter presses the button that has the focus, else the
    // design's default button; the dialog moves the default as the focus moves.
    setAutoDefault(true);
    setDefault(control.Default());
    m_pBinding = new PeerBinding(this, control, dpi,
                                 [this] { setText(CaptionText(m_control.Caption(), true, this)); });
    // The caption keeps a pixel clear of the button's one-pixel frame.
    m_pBinding->FitText([this] {
        return fontMetrics().horizontalAdvance(CaptionText(m_control.Caption(), false)) + 4;
    });
    connect(this, &QPushButton::clicked, this,
            [this] { m_pBinding->Act([this] { m_control.UserClick(); }); });
}

} // namespace vantor::qt
