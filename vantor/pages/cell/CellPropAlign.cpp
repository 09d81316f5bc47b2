#include "vantor/pages/cell/CellPropAlign.hpp"

#include "vantor/framework/GlobalFunction.hpp"

namespace vantor {

namespace {

// The selected item's data, or nothing to write when no item is selected.
void WriteSelected(ErrorTrap& trap, const ObjectRef& target, const ComboBox& box,
                   const char* property) {
    if (box.ListIndex() < 0) {
        return;
    }
    trap([&] {
        target.Put(property,
                   SafeSetting(Variant(box.ItemData(box.ListIndex())), target.Get(property)));
    });
}

} // namespace

CellPropAlign::CellPropAlign() : PropertyPage("Align", true, "Alignment", {0, 0, 3720, 2130}) {
    cbxHorizonAlign->SetStyle(ComboStyle::DropDownList);
    cbxHorizonAlign->AddItem("General", 1);
    cbxHorizonAlign->AddItem("Left", -4131);
    cbxHorizonAlign->AddItem("Center", -4108);
    cbxHorizonAlign->AddItem("Right", -4152);
    cbxVerticalAlign->SetStyle(ComboStyle::DropDownList);
    cbxVerticalAlign->AddItem("Top", -4160);
    cbxVerticalAlign->AddItem("Center", -4108);
    cbxVerticalAlign->AddItem("Bottom", -4107);
    NotifyOn(*cbxHorizonAlign, ev::Click);
    NotifyOn(*cbxVerticalAlign, ev::Click);
    NotifyOn(*chkAutoNewLine, ev::Click);
    // Shrink to fit is not a property of the target; its click only marks the page.
    NotifyOn(*chkAutoDrecreaseFont, ev::Click);
}

void CellPropAlign::LoadControls(ErrorTrap& trap) {
    trap([&] { LoadSettingCombo(*cbxHorizonAlign, m_oTarget.Get("HorizontalAlignment"), true); });
    trap([&] { LoadSettingCombo(*cbxVerticalAlign, m_oTarget.Get("VerticalAlignment"), true); });
    trap([&] { LoadSettingCheckbox(*chkAutoNewLine, m_oTarget.Get("WrapText")); });
}

void CellPropAlign::ApplyControls(ErrorTrap& trap) {
    WriteSelected(trap, m_oTarget, *cbxHorizonAlign, "HorizontalAlignment");
    WriteSelected(trap, m_oTarget, *cbxVerticalAlign, "VerticalAlignment");
    // A mixed setting (Null) counts as off; it is no error.
    m_bWrappedBefore = false;
    trap([&] {
        const Variant wrapped = m_oTarget.Get("WrapText");
        m_bWrappedBefore = !wrapped.IsNull() && wrapped.ToBool();
    });
    trap([&] {
        m_oTarget.Put("WrapText",
                      SafeSettingCheckBox(chkAutoNewLine->Value(), m_oTarget.Get("WrapText")));
    });
}

int32_t CellPropAlign::OnApply() noexcept {
    ErrorTrap trap;
    WriteLog(ApplyTag());
    m_bCounted = false;
    ApplyControls(trap);
    trap([&] { m_oTarget.Call("Apply"); });
    // Rows are fitted only when this apply turned wrapping on.
    trap([&] {
        if (!m_bWrappedBefore) {
            const Variant wrapped = m_oTarget.Get("WrapText");
            if (!wrapped.IsNull() && wrapped.ToBool()) {
                m_oTarget.Call("AutoFitRowsHeight");
            }
        }
    });
    DropInvalidCallError(trap);
    CheckError(ApplyTag(), trap);
    return 0;
}

} // namespace vantor
