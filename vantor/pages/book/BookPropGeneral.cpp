#include "vantor/pages/book/BookPropGeneral.hpp"

#include "vantor/automation/TextFunctions.hpp"
#include "vantor/framework/GlobalFunction.hpp"

namespace vantor {

BookPropGeneral::BookPropGeneral() : PropertyPage(LogTags::Word("General"), PageCounter::None, "General", {0, 0, 3795, 1935}) {
    // The name is for information only: it is never written back.
    txtFileName->SetText("(name)");
    txtFileName->SetLocked(true);
    txtFileName->SetTabStop(false);
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
    trap([&] { ApplySettingCheckbox(m_oTarget, "DisplayHorizontalScrollBar", *chkHScrollBar); });
    trap([&] { ApplySettingCheckbox(m_oTarget, "DisplayVerticalScrollBar", *chkVScrollBar); });
    trap([&] { ApplySettingCheckbox(m_oTarget, "DisplayWorkbookTabs", *chkSheetLabel); });
}

} // namespace vantor
