#pragma once
#include "vantor/ui/PictureBox.hpp"

#include <QFrame>

namespace vantor::qt {

// A plain sunken surface.
class PictureBoxPeer : public QFrame {
public:
    PictureBoxPeer(PictureBox& control, double dpi, QWidget* parent);
};

} // namespace vantor::qt
