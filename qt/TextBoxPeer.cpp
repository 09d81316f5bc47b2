#include "qt/TextBoxPeer.hpp"

#include "qt/PeerBinding.hpp"

namespace vantor::qt {

namespace {

// A line edit's own limit when the control sets none.
constexpr int NoLimit = 32767;

} // namespace

TextBoxPeer::TextBoxPeer(TextBox& control, double dpi, QWidget* parent)
    : QLineEdit(parent), m_control(control) {
    m_pBinding = new PeerBinding(
        this, control, dpi, [this] { Refresh(); }, true);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_pBinding->Act([this, &text] { m_control.UserType(text.toStdString()); });
    });
}

void TextBoxPeer::Refresh() {
    // Qt counts UTF-16 units where the control counts characters; the
    // control cuts the typed text itself, so the widget's limit only needs
    // to leave room for characters outside the basic plane.
    setMaxLength(m_control.MaxLength() > 0 ? std::min(NoLimit, m_control.MaxLength() * 2)
                                           : NoLimit);
    setEchoMode(m_control.PasswordChar().empty() ? QLineEdit::Normal : QLineEdit::Password);
    setReadOnly(m_control.Locked());
    const QString text = QString::fromStdString(m_control.Text());
    if (this->text() != text) {
        const int cursor = cursorPosition();
        setText(text);
        setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
    }
}

} // namespace vantor::qt
