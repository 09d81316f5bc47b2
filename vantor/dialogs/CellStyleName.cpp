#include "vantor/dialogs/CellStyleName.hpp"

#include "vantor/automation/TextFunctions.hpp"

namespace vantor {

CellStyleName::CellStyleName() : Form("Style Name", {0, 0, 3615, 1035}) {
    SetName("CellStyleName");
    txtStyleName->SetText(DefaultName);
    cmdOK->SetDefault(true);
    cmdCancel->SetCancel(true);
    cmdOK->On(ev::Click, [this](EventArgs&) {
        m_bCancelled = false;
        Unload();
    });
    cmdCancel->On(ev::Click, [this](EventArgs&) { Unload(); });
}

void CellStyleName::OnLoad() {
    // Closed by anything but OK (Cancel, the window's close control), the
    // form gives no name.
    m_bCancelled = true;
    txtStyleName->Focus();
    txtStyleName->SetSelStart(0);
    txtStyleName->SetSelLength(static_cast<int32_t>(CharCount(txtStyleName->Text())));
}

} // namespace vantor
