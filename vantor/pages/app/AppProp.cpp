#include "vantor/pages/app/AppProp.hpp"

#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/ui/Environment.hpp"

namespace vantor {

namespace {
const std::string BracketResetTag = "[Application Property - Reset] ";
const std::string BracketApplyTag = "[Application Property - Apply] ";
} // namespace

AppProp::AppProp() : PropertyPage("", false, "Options", {0, 0, 5040, 2760}) {
    SetLogTags(BracketResetTag, BracketResetTag, BracketApplyTag);
    nbeUndoRedo->SetRange(1, 512);
    nbeUndoRedo->SetValue(Variant(1));
    nbeSheetCount->SetRange(1, 64);
    nbeSheetCount->SetValue(Variant(1));
    nbeAutoDecimal->SetRange(-300, 300);
    nbeAutoDecimal->SetValue(Variant(0));
    cbxEnterDirection->SetStyle(ComboStyle::DropDownList);
    cbxEnterDirection->AddItem("Up", -4162);
    cbxEnterDirection->AddItem("Left", -4159);
    cbxEnterDirection->AddItem("Right", -4161);
    cbxEnterDirection->AddItem("Down", -4121);

    for (CheckBox* box : {chkUndoRedo.get(), chkAutoDecimal.get(), chkEnterMove.get()}) {
        box->On(ev::Click, [this](EventArgs&) {
            EnableDependents();
            NotifyModified(true);
        });
    }
    NotifyOn(*chkFileAssoc, ev::Click);
    NotifyOn(*cbxEnterDirection, ev::Click);
    for (NumberEdit* box : {nbeUndoRedo.get(), nbeSheetCount.get(), nbeAutoDecimal.get()}) {
        NotifyOn(*box, ev::ValueChanged);
    }
    EnableDependents();
}

// Each number or list follows its check box: enabled unless it is cleared.
void AppProp::EnableDependents() {
    nbeUndoRedo->SetEnabled(chkUndoRedo->Value() != 0);
    nbeAutoDecimal->SetEnabled(chkAutoDecimal->Value() != 0);
    cbxEnterDirection->SetEnabled(chkEnterMove->Value() != 0);
}

void AppProp::LoadControls(ErrorTrap& trap) {
    trap([&] { LoadSettingCheckbox(*chkUndoRedo, m_oTarget.Get("EnableUndo")); });
    trap([&] { LoadSettingNumber(*nbeUndoRedo, m_oTarget.Get("UndoMaxNum")); });
    trap([&] { LoadSettingNumber(*nbeSheetCount, m_oTarget.Get("SheetsInNewWorkbook")); });
    trap([&] { LoadSettingCheckbox(*chkAutoDecimal, m_oTarget.Get("FixedDecimal")); });
    trap([&] { LoadSettingNumber(*nbeAutoDecimal, m_oTarget.Get("FixedDecimalPlaces")); });
    trap([&] { LoadSettingCheckbox(*chkEnterMove, m_oTarget.Get("MoveAfterReturn")); });
    trap([&] {
        LoadSettingCombo(*cbxEnterDirection, m_oTarget.Get("MoveAfterReturnDirection"), true);
    });
    EnableDependents();
    trap([&] { LoadSettingCheckbox(*chkFileAssoc, m_oTarget.Get("FileAssoc")); });
}

void AppProp::ApplyControls(ErrorTrap& trap) {
    trap([&] {
        m_oTarget.Put("FileAssoc",
                      SafeSettingCheckBox(chkFileAssoc->Value(), m_oTarget.Get("FileAssoc")));
    });
    trap([&] {
        m_oTarget.Put("EnableUndo",
                      SafeSettingCheckBox(chkUndoRedo->Value(), m_oTarget.Get("EnableUndo")));
    });
    trap([&] {
        m_oTarget.Put("UndoMaxNum", SafeSetting(nbeUndoRedo->Value(), m_oTarget.Get("UndoMaxNum")));
    });
    trap([&] {
        m_oTarget.Put("SheetsInNewWorkbook",
                      SafeSetting(nbeSheetCount->Value(), m_oTarget.Get("SheetsInNewWorkbook")));
    });
    trap([&] {
        m_oTarget.Put("FixedDecimal",
                      SafeSettingCheckBox(chkAutoDecimal->Value(), m_oTarget.Get("FixedDecimal")));
    });
    trap([&] {
        m_oTarget.Put("FixedDecimalPlaces",
                      SafeSetting(nbeAutoDecimal->Value(), m_oTarget.Get("FixedDecimalPlaces")));
    });
    trap([&] {
        m_oTarget.Put("MoveAfterReturn",
                      SafeSettingCheckBox(chkEnterMove->Value(), m_oTarget.Get("MoveAfterReturn")));
    });
    const int32_t index = cbxEnterDirection->ListIndex();
    if (index >= 0 && chkEnterMove->Value() != 0) {
        trap([&] {
            m_oTarget.Put("MoveAfterReturnDirection",
                          SafeSetting(Variant(cbxEnterDirection->ItemData(index)),
                                      m_oTarget.Get("MoveAfterReturnDirection")));
        });
    }
}

} // namespace vantor
