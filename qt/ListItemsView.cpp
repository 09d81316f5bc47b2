#include "qt/ListItemsView.hpp"

namespace vantor::qt {

QStringList TextsOf(const ListItems& items) {
    QStringList texts;
    for (int32_t i = 0; i < items.Count(); ++i) {
        texts << QString::fromStdString(items.Text(i));
    }
    return texts;
}

} // namespace vantor::qt
