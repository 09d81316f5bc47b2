#pragma once
#include "vantor/ui/Frame.hpp"

#include <QGroupBox>

namespace vantor::qt {

// A titled frame; the peers of the controls it contains are its children,
// placed relative to it.
class FramePeer : public QGroupBox {
public:
    FramePeer(Frame& control, double dpi, QWidget* parent);
};

} // namespace vantor::qt
