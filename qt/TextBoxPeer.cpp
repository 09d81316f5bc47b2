#include "qt/TextBoxPeer.hpp"

#include "qt/PeerBinding.hpp"
#include "vantor/automation/TextFunctions.hpp"

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
        m_bTyping = true;
        m_pBinding->Act([this, &text] { m_control.UserType(text.toStdString()); });
        m_bTyping = false;
    });
}

void TextBoxPeer::Refresh() {
    // Qt counts UTF-16 units where the control counts characters; the
    // control cuts the typed text itself, so the widget's limit only needs
    // to leave room for characters outside the basic plane.
    // Setting the limit sets the text again and moves the caret to its end,
    // so it is set only when it changes.
    const int limit =
        m_control.MaxLength() > 0 ? std::min(NoLimit, m_control.MaxLength() * 2) : NoLimit;
    if (maxLength() != limit) {
        setMaxLength(limit);
    }
    setEchoMode(m_control.PasswordChar().empty() ? QLineEdit::Normal : QLineEdit::Password);
    setReadOnly(m_control.Locked());
    const QString text = QString::fromStdString(m_control.Text());
    if (this->text() != text) {
        const int cursor = cursorPosition();
        setText(text);
        setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
    }
    // A page that selects the entry when it gets the focus, so that typing
    // replaces it, has the selection shown; while the user types, the caret
    // stays where the typing put it.
    const int32_t start = m_control.SelStart();
    const int32_t length = m_control.SelLength();
    if (!m_bTyping && (start != m_nSelStart || length != m_nSelLength)) {
        // The control counts characters, Qt UTF-16 units.
        const auto units = [this](int32_t chars) {
            const std::string head = LeftChars(m_control.Text(), static_cast<size_t>(chars));
            return static_cast<int>(QString::fromStdString(head).size());
        };
        setSelection(units(start), units(start + length) - units(start));
    }
    m_nSelStart = start;
    m_nSelLength = length;
}

} // namespace vantor::qt
