#include "qt/NumberEditPeer.hpp"

#include "qt/PeerBinding.hpp"

#include <QLineEdit>

namespace vantor::qt {

NumberEditPeer::NumberEditPeer(NumberEdit& control, double dpi, QWidget* parent)
    : QAbstractSpinBox(parent), m_control(control) {
    setAccelerated(true);
    setKeyboardTracking(false);
    m_pBinding = new PeerBinding(
        this, control, dpi, [this] { Refresh(); }, true);
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] { Commit(); });
}

void NumberEditPeer::Commit() {
    const std::string typed = lineEdit()->text().toStdString();
    const Variant& value = m_control.Value();
    const std::string shown = value.IsNull() ? std::string() : std::to_string(value.ToLong());
    if (typed != shown) {
        m_pBinding->Act([this, &typed] { m_control.UserType(typed); });
    }
}

void NumberEditPeer::stepBy(int steps) {
    Commit();
    m_pBinding->Act([this, steps] { m_control.UserStep(steps); });
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled NumberEditPeer::stepEnabled() const {
    if (!isEnabled()) {
        return StepNone;
    }
    const Variant& value = m_control.Value();
    if (value.IsNull()) {
        return StepUpEnabled | StepDownEnabled;
    }
    StepEnabled enabled = StepNone;
    if (value.ToLong() < m_control.Max()) {
        enabled |= StepUpEnabled;
    }
    if (value.ToLong() > m_control.Min()) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}

void NumberEditPeer::Refresh() {
    const Variant& value = m_control.Value();
    const QString text = value.IsNull() ? QString() : QString::number(value.ToLong());
    if (lineEdit()->text() != text) {
        lineEdit()->setText(text);
    }
    update();
}

} // namespace vantor::qt
