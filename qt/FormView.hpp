#pragma once
#include "vantor/ui/Form.hpp"

#include <QWidget>

#include <map>
#include <string>

namespace vantor::qt {

// A form (a page, a dialog-style page or a small form) rendered as widgets:
// one peer for each control, at its design position, frames holding the
// controls that name them as their container.
class FormView : public QWidget {
public:
    FormView(Form& form, double dpi, QWidget* parent = nullptr);

    Form& Model() const { return m_form; }
    // The peer of a control, by its name; null when there is none.
    QWidget* Peer(const std::string& name) const;
    // The font the pages are designed for.
    static QFont DialogFont();
    // The form's design size in pixels.
    QSize sizeHint() const override;

private:
    QWidget* CreatePeer(Control& control, QWidget* parent);

    Form& m_form;
    double m_dDpi;
    std::map<std::string, QWidget*> m_peers;
};

} // namespace vantor::qt
