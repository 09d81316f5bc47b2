#include "vantor/pages/book/SheetPropView.hpp"

#include "vantor/framework/GlobalFunction.hpp"

namespace vantor {

SheetPropView::SheetPropView() : PropertyPage(LogTags::Word("View"), PageCounter::None, "View", {0, 0, 4800, 2490}) {
    nbeRowNumber->SetRange(0, 1048575);
    nbeColNumber->SetRange(0, 16383);

    NotifyOn(*chkShowHeader, ev::Click);
    chkShowGrid->On(ev::Click, [this](EventArgs&) {
        NotifyModified(true);
        csxGridColor->SetEnabled(chkShowGrid->Value() != 0);
    });
    NotifyOn(*csxGridColor, ev::ValueChanged);
    chkFixRowCol->On(ev::Click, [this](EventArgs&) { EnableRowCol(); });

    // The check boxes start cleared: what they steer starts disabled.
    csxGridColor->SetEnabled(false);
    EnableRowCol();
}

void SheetPropView::EnableRowCol() {
    const bool fixed = chkFixRowCol->Value() != 0;
    nbeRowNumber->SetEnabled(fixed);
    nbeColNumber->SetEnabled(fixed);
}

void SheetPropView::LoadControls(ErrorTrap& trap) {
    EnableRowCol();
    trap([&] { LoadSettingCheckbox(*chkShowHeader, m_oTarget.Get("DisplayHeadings")); });
    trap([&] { LoadSettingCheckbox(*chkShowGrid, m_oTarget.Get("DisplayGridlines")); });
}

void SheetPropView::ApplyControls(ErrorTrap& trap) {
    trap([&] { ApplySettingCheckbox(m_oTarget, "DisplayHeadings", *chkShowHeader); });
    trap([&] { ApplySettingCheckbox(m_oTarget, "DisplayGridlines", *chkShowGrid); });
}

} // namespace vantor
