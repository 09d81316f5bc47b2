#include "qt/ComboBoxPeer.hpp"

#include "qt/ListItemsView.hpp"
#include "qt/PeerBinding.hpp"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

namespace vantor::qt {

ComboBoxPeer::ComboBoxPeer(ComboBox& control, double dpi, QWidget* parent)
    : QWidget(parent), m_control(control) {
    if (control.Style() == ComboStyle::Simple) {
        m_pEdit = new QLineEdit(this);
        m_pList = new QListWidget(this);
        m_pList->setFocusPolicy(Qt::NoFocus);
        setFocusProxy(m_pEdit);
        connect(m_pList, &QListWidget::itemSelectionChanged, this, [this] {
            const QList<QListWidgetItem*> selected = m_pList->selectedItems();
            if (!selected.isEmpty()) {
                Select(m_pList->row(selected.first()));
            }
        });
        connect(m_pEdit, &QLineEdit::textEdited, this, [this](const QString& t) { Type(t); });
    } else {
        m_pCombo = new QComboBox(this);
        m_pCombo->setEditable(control.Style() == ComboStyle::DropDownCombo);
        m_pCombo->setMaxVisibleItems(12);
        setFocusProxy(m_pCombo);
        connect(m_pCombo, &QComboBox::activated, this, [this](int index) { Select(index); });
        if (m_pCombo->lineEdit() != nullptr) {
            connect(m_pCombo->lineEdit(), &QLineEdit::textEdited, this,
                    [this](const QString& t) { Type(t); });
        }
    }
    m_pBinding = new PeerBinding(
        this, control, dpi, [this] { Refresh(); }, control.Style() != ComboStyle::Simple);
}

void ComboBoxPeer::Select(int index) {
    m_pBinding->Act([this, index] { m_control.UserSelect(index); });
}

void ComboBoxPeer::Type(const QString& text) {
    m_pBinding->Act([this, &text] { m_control.UserType(text.toStdString()); });
}

QSize ComboBoxPeer::sizeHint() const {
    return m_pCombo != nullptr ? m_pCombo->sizeHint() : QWidget::sizeHint();
}

void ComboBoxPeer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_pCombo != nullptr) {
        m_pCombo->setGeometry(rect());
        return;
    }
    const int editHeight = m_pEdit->sizeHint().height();
    m_pEdit->setGeometry(0, 0, width(), editHeight);
    m_pList->setGeometry(0, editHeight, width(), std::max(0, height() - editHeight));
}

void ComboBoxPeer::Refresh() {
    const QStringList texts = TextsOf(*m_control.Items());
    const QString text = QString::fromStdString(m_control.Text());
    const int index = m_control.ListIndex();
    if (m_pCombo != nullptr) {
        const QSignalBlocker blocker(m_pCombo);
        QStringList shown;
        for (int i = 0; i < m_pCombo->count(); ++i) {
            shown << m_pCombo->itemText(i);
        }
        if (shown != texts) {
            m_pCombo->clear();
            m_pCombo->addItems(texts);
        }
        m_pCombo->setCurrentIndex(index);
        if (m_pCombo->isEditable() && m_pCombo->currentText() != text) {
            m_pCombo->setEditText(text);
        }
        return;
    }
    const QSignalBlocker listBlocker(m_pList);
    QStringList shown;
    for (int i = 0; i < m_pList->count(); ++i) {
        shown << m_pList->item(i)->text();
    }
    if (shown != texts) {
        m_pList->clear();
        m_pList->addItems(texts);
    }
    m_pList->setCurrentRow(index);
    if (index < 0) {
        m_pList->clearSelection();
    } else {
        m_pList->scrollToItem(m_pList->item(index));
    }
    if (m_pEdit->text() != text) {
        const QSignalBlocker editBlocker(m_pEdit);
        m_pEdit->setText(text);
    }
}

} // namespace vantor::qt
