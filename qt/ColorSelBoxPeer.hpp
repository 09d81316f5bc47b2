#pragma once
#include "vantor/ui/ColorSelBox.hpp"

#include <QToolButton>

class QMenu;

namespace vantor::qt {

class PeerBinding;

// The colour selector: a button showing the chosen colour ("Automatic", a
// swatch, or nothing for no uniform colour) that drops down Automatic, the
// palette of the control and "More Colours..." for a custom colour. Each
// choice is the control's UserPickColor.
class ColorSelBoxPeer : public QToolButton {
public:
    ColorSelBoxPeer(ColorSelBox& control, double dpi, QWidget* parent);

    // The user picks a colour from the drop-down (tests use it too).
    void Pick(int32_t color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QMenu* BuildMenu();

    ColorSelBox& m_control;
    PeerBinding* m_pBinding;
};

} // namespace vantor::qt
