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
    // Freezing changes the sheets, so it marks the page.
    chkFixRowCol->On(ev::Click, [this](EventArgs&) {
        EnableRowCol();
        NotifyModified(true);
    });
    NotifyOn(*nbeRowNumber, ev::ValueChanged);
    NotifyOn(*nbeColNumber, ev::ValueChanged);

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
    // The index tells automatic from an explicit silver, which read alike.
    trap([&] {
        LoadSettingColor(*csxGridColor, m_oTarget.Get("GridlineColor"),
                         m_oTarget.Get("GridlineColorIndex"));
    });
    trap([&] { LoadSettingCheckbox(*chkFixRowCol, m_oTarget.Get("FreezePanes")); });
    trap([&] { LoadSettingNumber(*nbeRowNumber, m_oTarget.Get("SplitRow")); });
    trap([&] { LoadSettingNumber(*nbeColNumber, m_oTarget.Get("SplitColumn")); });
    EnableRowCol();
}

void SheetPropView::ApplyControls(ErrorTrap& trap) {
    trap([&] { ApplySettingCheckbox(m_oTarget, "DisplayHeadings", *chkShowHeader); });
    trap([&] { ApplySettingCheckbox(m_oTarget, "DisplayGridlines", *chkShowGrid); });
    if (csxGridColor->ChangedFromSaved()) {
        trap([&] {
            ApplySettingColor(m_oTarget, "GridlineColor", "GridlineColorIndex", *csxGridColor);
        });
    }
    // Unticked, nothing stays frozen; ticked or grey, the boxes say where.
    if (chkFixRowCol->Value() == 0) {
        trap([&] { m_oTarget.Put("SplitRow", SafeSetting(Variant(0), m_oTarget.Get("SplitRow"))); });
        trap([&] {
            m_oTarget.Put("SplitColumn", SafeSetting(Variant(0), m_oTarget.Get("SplitColumn")));
        });
    } else {
        trap([&] { ApplySettingNumber(m_oTarget, "SplitRow", *nbeRowNumber); });
        trap([&] { ApplySettingNumber(m_oTarget, "SplitColumn", *nbeColNumber); });
    }
}

} // namespace vantor
