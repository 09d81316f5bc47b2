#pragma once
#include "vantor/ui/Form.hpp"

#include <QSet>
#include <QWidget>

#include <map>
#include <string>
#include <vector>

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
    // The first widget the Tab key reaches, or null.
    QWidget* FirstFocus() const;
    // Gives the captions of labels, check boxes, option buttons and buttons
    // access letters unique among themselves and `used` (what the window shows
    // beside the form); a label's letter takes the focus to the control
    // after it in reading order, its buddy.
    void AssignAccessKeys(QSet<QChar> used);
    // Leaves the control that has the focus, as moving the focus away would:
    // false when its Validate keeps the focus there.
    bool LeaveFocusedControl() const;

private:
    QWidget* CreatePeer(Control& control, QWidget* parent);
    // Tab follows the reading order of the design, rows from the top and
    // left to right within a row; a box comes before the controls it enables.
    void OrderTabs();

    Form& m_form;
    double m_dDpi;
    std::map<std::string, QWidget*> m_peers;
    std::vector<QWidget*> m_tabOrder;
    // Every control with its peer, in reading order.
    std::vector<std::pair<Control*, QWidget*>> m_reading;
};

} // namespace vantor::qt
