#pragma once
#include "vantor/ui/ListItems.hpp"

#include <QStringList>

namespace vantor::qt {

// The texts of a list's items, for comparing what a widget shows with what
// the control holds.
QStringList TextsOf(const ListItems& items);

} // namespace vantor::qt
