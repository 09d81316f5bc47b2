#pragma once
#include "vantor/ui/Label.hpp"

#include <QLabel>

namespace vantor::qt {

// A static text, wrapped within its design width.
class LabelPeer : public QLabel {
public:
    LabelPeer(Label& control, double dpi, QWidget* parent);
};

} // namespace vantor::qt
