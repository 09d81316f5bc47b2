#pragma once
#include "vantor/ui/ListBox.hpp"

#include <QListWidget>

namespace vantor::qt {

class PeerBinding;

// A list box with one selection; choosing a row is the control's UserSelect.
class ListBoxPeer : public QListWidget {
public:
    ListBoxPeer(ListBox& control, double dpi, QWidget* parent);

private:
    void Refresh();

    ListBox& m_control;
    PeerBinding* m_pBinding;
};

} // namespace vantor::qt
