#include "qt/ListBoxPeer.hpp"

#include "qt/ListItemsView.hpp"
#include "qt/PeerBinding.hpp"

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
    const int index = m_control.ListIndex();
    setCurrentRow(index);
    if (index < 0) {
        clearSelection();
    } else {
        scrollToItem(item(index));
    }
}

} // namespace vantor::qt
