#pragma once
#include "vantor/ui/CompartLine.hpp"

#include <QFrame>

namespace vantor::qt {

// The separator line: a sunken horizontal rule through its design area.
class CompartLinePeer : public QFrame {
public:
    CompartLinePeer(CompartLine& control, double dpi, QWidget* parent);
};

} // namespace vantor::qt
