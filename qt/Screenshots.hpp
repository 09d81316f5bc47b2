#pragma once
#include <QString>

namespace vantor::qt {

// Writes a PNG of the grid, of every page of every dialog of the catalogue
// and of each dialog-style page into dir, unattended; returns the number of files written, or -1
// when the folder cannot be made.
int WriteScreenshots(const QString& dir);

} // namespace vantor::qt
