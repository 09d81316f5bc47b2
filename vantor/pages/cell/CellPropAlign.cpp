#include "vantor/pages/cell/CellPropAlign.hpp"

#include "vantor/automation/Enumerations.hpp"
#include "vantor/framework/ErrorRecording.hpp"
#include "vantor/framework/GlobalFunction.hpp"

namespace vantor {

CellPropAlign::CellPropAlign() : PropertyPage(LogTags::Word("Align"), PageCounter::CellFormat, "Alignment", {0, 0, 3720, 2130}) {
    cbxHorizonAlign->SetStyle(ComboStyle::DropDownList);
    cbxHorizonAlign->AddItem("General", enums::HAlign::General);
    cbxHorizonAlign->AddItem("Left", enums::HAlign::Left);
    cbxHorizonAlign->AddItem("Center", enums::HAlign::Center);
    cbxHorizonAlign->AddItem("Right", enums::HAlign::Right);
    cbxVerticalAlign->SetStyle(ComboStyle::DropDownList);
    cbxVerticalAlign->AddItem("Top", enums::VAlign::Top);
    cbxVerticalAlign->AddItem("Center", enums::VAlign::Center);
    cbxVerticalAlign->AddItem("Bottom", enums::VAlign::Bottom);
    NotifyOn(*cbxHorizonAlign, ev::Click);
    NotifyOn(*cbxVerticalAlign, ev::Click);
    NotifyOn(*chkAutoNewLine, ev::Click);
    NotifyOn(*chkAutoDrecreaseFont, ev::Click);
}

void CellPropAlign::LoadControls(ErrorTrap& trap) {
    // An alignment the lists do not offer (justify, centre across the
    // selection) shows as no selection, which apply keeps, never as the
    // user's choice before a reset.
    trap([&] { cbxHorizonAlign->SetListIndex(-1); });
    trap([&] { cbxVerticalAlign->SetListIndex(-1); });
    trap([&] { LoadSettingCombo(*cbxHorizonAlign, m_oTarget.Get("HorizontalAlignment"), true); });
    trap([&] { LoadSettingCombo(*cbxVerticalAlign, m_oTarget.Get("VerticalAlignment"), true); });
    trap([&] { LoadSettingCheckbox(*chkAutoNewLine, m_oTarget.Get("WrapText")); });
    trap([&] { LoadSettingCheckbox(*chkAutoDrecreaseFont, m_oTarget.Get("ShrinkToFit")); });
}

void CellPropAlign::ApplyControls(ErrorTrap&) {
    // OnApply writes the properties itself: it reads the wrap setting between them.
}

int32_t CellPropAlign::OnApply() noexcept {
    const ErrorRecording recording(m_lastError);
    ErrorTrap trap;
    WriteLog(ApplyTag());
    m_bCounted = false;
    trap([&] { ApplySettingCombo(m_oTarget, "HorizontalAlignment", *cbxHorizonAlign, true); });
    trap([&] { ApplySettingCombo(m_oTarget, "VerticalAlignment", *cbxVerticalAlign, true); });
    // A mixed setting (Null) counts as off; it is no error.
    bool wrappedBefore = false;
    trap([&] {
        const Variant wrapped = m_oTarget.Get("WrapText");
        wrappedBefore = !wrapped.IsNull() && wrapped.ToBool();
    });
    trap([&] { ApplySettingCheckbox(m_oTarget, "WrapText", *chkAutoNewLine); });
    // Shrinking fits the text to the cell as it is: no row fitting of its own.
    trap([&] { ApplySettingCheckbox(m_oTarget, "ShrinkToFit", *chkAutoDrecreaseFont); });
    trap([&] { m_oTarget.Call("Apply"); });
    // Rows are fitted only when this apply turned wrapping on.
    trap([&] {
        if (!wrappedBefore) {
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
