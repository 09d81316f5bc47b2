#include "qt/PeerBinding.hpp"

#include "qt/Twips.hpp"
#include "vantor/automation/AutomationError.hpp"

#include <QFocusEvent>
#include <QSignalBlocker>
#include <QTimer>

namespace vantor::qt {

PeerBinding::PeerBinding(QWidget* widget, Control& control, double dpi,
                         std::function<void()> refresh, bool fitHeight)
    : QObject(widget), m_pWidget(widget), m_control(control), m_dDpi(dpi),
      m_refresh(std::move(refresh)), m_bFitHeight(fitHeight), m_focusPolicy(widget->focusPolicy()) {
    widget->setObjectName(QString::fromStdString(control.Name()));
    widget->installEventFilter(this);
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
    // The control outlives no window it is shown in, but a window may close
    // before its page is gone: the observer checks that the binding still lives.
    QPointer<PeerBinding> self(this);
    control.Watch([self] {
        if (self) {
            self->Sync();
        }
    });
    Sync();
}

void PeerBinding::Sync() {
    const QSignalBlocker blocker(m_pWidget);
    m_pWidget->setEnabled(m_control.Enabled());
    m_pWidget->setVisible(m_control.Visible());
    m_pWidget->setFocusPolicy(m_control.TabStop() ? m_focusPolicy : Qt::ClickFocus);
    if (m_refresh) {
        m_refresh();
    }
    QRect area = TwipsToPixels(m_control.Position(), m_dDpi);
    if (m_needed) {
        m_pWidget->setFont(FittedFont(m_pWidget->parentWidget()->font(), [&](const QFont& font) {
            m_pWidget->setFont(font);
            return m_needed() <= area.width();
        }));
    }
    if (m_bFitHeight) {
        const int needed = m_pWidget->hasHeightForWidth() ? m_pWidget->heightForWidth(area.width())
                                                          : m_pWidget->sizeHint().height();
        if (needed > area.height()) {
            const int grow = needed - area.height();
            area.adjust(0, -grow / 2, 0, grow - grow / 2);
        }
    }
    m_pWidget->setGeometry(area);
}

void PeerBinding::FitText(std::function<int()> needed) {
    m_needed = std::move(needed);
    Sync();
}

void PeerBinding::Act(const std::function<void()>& action) {
    try {
        action();
    } catch (const AutomationError&) {
        // Refused: the control keeps its state.
    }
    Sync();
}

bool PeerBinding::eventFilter(QObject* watched, QEvent* event) {
    (void)watched;
    if (event->type() == QEvent::FocusIn) {
        if (!m_control.HasFocus()) {
            try {
                m_control.Focus();
            } catch (const AutomationError&) {
            }
        }
    } else if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A popup or another window taking the focus is no leaving of the control.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
            m_control.HasFocus() && !m_control.Leave()) {
            QPointer<QWidget> widget(m_pWidget);
            QTimer::singleShot(0, m_pWidget, [widget] {
                if (widget) {
                    widget->setFocus(Qt::OtherFocusReason);
                }
            });
        }
    }
    return false;
}

} // namespace vantor::qt
