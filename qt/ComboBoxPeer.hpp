#pragma once
#include "vantor/ui/ComboBox.hpp"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace vantor::qt {

class PeerBinding;

// A combo box in its three styles: a drop-down list, a drop-down combo
// (an edit field with a drop-down list) and the simple style (an edit field
// over an always-open list). Choosing an item is the control's UserSelect,
// typing its UserType.
class ComboBoxPeer : public QWidget {
public:
    ComboBoxPeer(ComboBox& control, double dpi, QWidget* parent);

    // The widgets inside, for tests: the drop-down (both drop-down styles),
    // or the edit field and list (simple style).
    QComboBox* DropDown() const { return m_pCombo; }
    QLineEdit* Edit() const { return m_pEdit; }
    QListWidget* List() const { return m_pList; }

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Refresh();
    void Select(int index);
    void Type(const QString& text);

    ComboBox& m_control;
    QComboBox* m_pCombo = nullptr;
    QLineEdit* m_pEdit = nullptr;
    QListWidget* m_pList = nullptr;
    PeerBinding* m_pBinding = nullptr;
};

} // namespace vantor::qt
