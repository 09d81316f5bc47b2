#pragma once
#include <QIcon>

#include <string>

namespace vantor::qt {

// The picture of one of the border page's eight toggle buttons, named by the
// button ("cmdTop", "cmdHInside", "cmdDown", ...): a cell drawn faintly with
// the edge the button sets drawn strong. `side` is the picture's size in
// device-independent pixels; the icon holds it at one and two device pixels
// per pixel, so it stays sharp at 96 and 192 dpi. A null icon for other names.
QIcon BorderButtonIcon(const std::string& buttonName, int side);

} // namespace vantor::qt
