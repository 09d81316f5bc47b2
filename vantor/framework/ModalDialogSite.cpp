#include "vantor/framework/ModalDialogSite.hpp"

#include "vantor/ui/Environment.hpp"

namespace vantor {

int32_t ModalDialogSite::Show(DialogPage& dialog) {
    const auto site = std::make_shared<ModalDialogSite>(dialog);
    dialog.SetSite(site);
    Environment::Current().ShowModal(dialog);
    dialog.SetSite(nullptr);
    return site->Result();
}

} // namespace vantor
