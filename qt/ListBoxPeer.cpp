#include "qt/ListBoxPeer.hpp"

#include "qt/ListItemsView.hpp"
#include "qt/PeerBinding.hpp"

#include <QSignalBlocker>

namespace vantor::qt {

ListBoxPeer::ListBoxPeer(ListBox& control, double dpi, QWidget* parent)
    : QListWidget(parent), m_control(control) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    m_pBinding = new PeerBinding(this, control, dpi, [this] { Refresh(); });
    // Selection, not the current row: a list that gets the focus makes its
    // first row current without the user choosing it.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = selectedItems();
        if (!selected.isEmpty()) {
            const int index = row(selected.first());
            m_pBinding->Act([this, index] { m_control.UserSelect(index); });
        }
    });
    // A list with check boxes: a tick the user turns over is the control's UserCheck.
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* changed) {
        const int index = row(changed);
        if (m_control.Style() == ListStyle::CheckBox && index >= 0 && index < m_control.ListCount() &&
            (changed->checkState() == Qt::Checked) != m_control.Selected(index)) {
            m_pBinding->Act([this, index] { m_control.UserCheck(index); });
        }
    });
}

void ListBoxPeer::Refresh() {
    const QStringList texts = TextsOf(*m_control.Items());
    QStringList shown;
    for (int i = 0; i < count(); ++i) {
        shown << item(i)->text();
    }
    if (shown != texts) {
        clear();
        addItems(texts);
    }
    if (m_control.Style() == ListStyle::CheckBox) {
        const QSignalBlocker quiet(this);
        for (int i = 0; i < count(); ++i) {
            item(i)->setFlags(item(i)->flags() | Qt::ItemIsUserCheckable);
            item(i)->setCheckState(m_control.Selected(i) ? Qt::Checked : Qt::Unchecked);
        }
    }
    const int index = m_control.ListIndex();
    setCurrentRow(index);
    if (index < 0) {
        clearSelection();
    } else {
        scrollToItem(item(index));
    }
}

} // namespace vantor::qt
