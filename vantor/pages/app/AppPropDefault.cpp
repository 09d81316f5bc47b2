#include "vantor/pages/app/AppPropDefault.hpp"

#include "vantor/framework/GlobalFunction.hpp"

namespace vantor {

AppPropDefault::AppPropDefault() : PropertyPage(LogTags::Word("Default"), PageCounter::None, "Defaults", {0, 0, 4320, 1740}) {
    // A new workbook has one sheet at least: the application refuses 0.
    nbeSheetCount->SetRange(1, 255);
    nbeSheetCount->SetValue(Variant(1));
    chkShowGrid->On(ev::Click, [this](EventArgs&) {
        NotifyModified(true);
        csxGridColor->SetEnabled(chkShowGrid->Value() != 0);
    });
    NotifyOn(*csxGridColor, ev::ValueChanged);
    NotifyOn(*nbeSheetCount, ev::ValueChanged);
}

void AppPropDefault::LoadControls(ErrorTrap& trap) {
    trap([&] { LoadSettingNumber(*nbeSheetCount, m_oTarget.Get("SheetsInNewWorkbook")); });
    trap([&] { LoadSettingCheckbox(*chkShowGrid, m_oTarget.Get("DefaultDisplayGridlines")); });
    trap([&] {
        LoadSettingColor(*csxGridColor, m_oTarget.Get("DefaultGridlineColor"),
                         m_oTarget.Get("DefaultGridlineColorIndex"));
    });
    csxGridColor->SetEnabled(chkShowGrid->Value() != 0);
}

void AppPropDefault::ApplyControls(ErrorTrap& trap) {
    trap([&] { ApplySettingNumber(m_oTarget, "SheetsInNewWorkbook", *nbeSheetCount); });
    trap([&] { ApplySettingCheckbox(m_oTarget, "DefaultDisplayGridlines", *chkShowGrid); });
    if (csxGridColor->ChangedFromSaved()) {
        trap([&] {
            ApplySettingColor(m_oTarget, "DefaultGridlineColor", "DefaultGridlineColorIndex",
                              *csxGridColor);
        });
    }
}

} // namespace vantor
