#include "qt/ToggleButtonPeer.hpp"

#include "qt/BorderButtonIcon.hpp"
#include "qt/PeerBinding.hpp"
#include "qt/Twips.hpp"

#include <algorithm>

namespace vantor::qt {

ToggleButtonPeer::ToggleButtonPeer(CheckBox& control, double dpi, QWidget* parent)
    : QToolButton(parent), m_control(control) {
    setCheckable(true);
    m_pBinding = new PeerBinding(this, control, dpi, [this] { Refresh(); });
    // The border buttons show the edge they set; the others keep their initials.
    const int side = std::max(8, static_cast<int>(std::min(width(), height()) * 0.7));
    const QIcon icon = BorderButtonIcon(control.Name(), side);
    if (!icon.isNull()) {
        setIcon(icon);
        setIconSize(QSize(side, side));
        setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
}

void ToggleButtonPeer::nextCheckState() {
    m_pBinding->Act([this] { m_control.UserClick(); });
}

void ToggleButtonPeer::Refresh() {
    const QString caption = CaptionText(m_control.Caption(), false);
    QString initials;
    for (const QString& word : caption.split(' ', Qt::SkipEmptyParts)) {
        initials += word.front().toUpper();
    }
    setText(initials);
    setToolTip(caption);
    setAccessibleName(caption);
    // A grey box (the borders differ) shows as a button neither up nor down.
    setChecked(m_control.Value() == 1);
    setStyleSheet(m_control.Value() == 2 ? "QToolButton { color: gray; }" : QString());
}

} // namespace vantor::qt
