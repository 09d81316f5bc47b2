#pragma once
#include "vantor/ui/Control.hpp"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace vantor::qt {

// Binds a widget to its headless control: the design position, the enabled
// and visible states, focus in and out, and a refresh of the widget on every
// change of the control. The refresh runs with the widget's signals blocked,
// so a change by code never comes back as a user action. Owned by the widget.
class PeerBinding : public QObject {
public:
    // fitHeight: a widget that shows one line of text is made at least as
    // tall as the text needs, about the middle of its design area, so that
    // the design's tight heights cut nothing off.
    PeerBinding(QWidget* widget, Control& control, double dpi, std::function<void()> refresh,
                bool fitHeight = false);

    // Shows the control's present state.
    void Sync();
    // From now on the widget's font shrinks, as far as FittedFont allows,
    // until `needed` (the width its text needs at its present font) fits the
    // design width.
    void FitText(std::function<int()> needed);
    // Runs a user action on the control. An action the control refuses (an
    // automation error) changes nothing, and the widget shows the control again.
    void Act(const std::function<void()>& action);

    Control& Target() const { return m_control; }
    double Dpi() const { return m_dDpi; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_pWidget;
    Control& m_control;
    double m_dDpi;
    std::function<void()> m_refresh;
    bool m_bFitHeight;
    // The widget kind's own focus policy, for a control that is a tab stop.
    Qt::FocusPolicy m_focusPolicy;
    std::function<int()> m_needed;
};

} // namespace vantor::qt
