#include "vantor/pages/book/BookPropGeneral.hpp"

#include "vantor/automation/TextFunctions.hpp"
#include "vantor/framework/GlobalFunction.hpp"

namespace vantor {

BookPropGeneral::BookPropGeneral() : PropertyPage("General", false, "General", {0, 0, 3795, 1935}) {
    // The name is for information only: it is never written back.
    txtFileName->SetText("(name)");
    txtFileName->SetLocked(true);
    NotifyOn(*chkHScrollBar, ev::Click);
    NotifyOn(*chkVScrollBar, ev::Click);
    NotifyOn(*chkSheetLabel, ev::Click);
}

void BookPropGeneral::LoadControls(ErrorTrap& trap) {
    trap([&] { txtFileName->SetText(m_oTarget.Get("FullName").ToString()); });
    if (Trim(txtFileName->Text()).empty()) {
        txtFileName->SetText(NoName);
    }
    trap([&] { LoadSettingCheckbox(*chkHScrollBar, m_oTarget.Get("DisplayHorizontalScrollBar")); });
    trap([&] { LoadSettingCheckbox(*chkVScrollBar, m_oTarget.Get("DisplayVerticalScrollBar")); });
    trap([&] { LoadSettingCheckbox(*chkSheetLabel, m_oTarget.Get("DisplayWorkbookTabs")); });
}

void BookPropGeneral::ApplyControls(ErrorTrap& trap) {
    trap([&] {
        m_oTarget.Put("DisplayHorizontalScrollBar",
                      SafeSettingCheckBox(chkHScrollBar->Value(),
                                          m_oTarget.Get("DisplayHorizontalScrollBar")));
    });
    trap([&] {
        m_oTarget.Put(
            "DisplayVerticalScrollBar",
            SafeSettingCheckBox(chkVScrollBar->Value(), m_oTarget.Get("DisplayVerticalScrollBar")));
    });
    trap([&] {
        m_oTarget.Put(
            "DisplayWorkbookTabs",
            SafeSettingCheckBox(chkSheetLabel->Value(), m_oTarget.Get("DisplayWorkbookTabs")));
    });
}

} // namespace vantor
