#include "vantor/pages/app/AppProp.hpp"

#include "vantor/automation/Enumerations.hpp"
#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/ui/Environment.hpp"

namespace vantor {

AppProp::AppProp()
    : PropertyPage({"[Application Property - Reset] ", "[Application Property - Reset] ",
                    "[Application Property - Apply] "},
                   PageCounter::None, "Options", {0, 0, 5040, 2760}) {
    nbeUndoRedo->SetRange(1, 512);
    nbeUndoRedo->SetValue(Variant(1));
    // The application's own range: a count set elsewhere (the defaults page)
    // shows as it is.
    nbeSheetCount->SetRange(1, 255);
    nbeSheetCount->SetValue(Variant(1));
    nbeAutoDecimal->SetRange(-300, 300);
    nbeAutoDecimal->SetValue(Variant(0));
    cbxEnterDirection->SetStyle(ComboStyle::DropDownList);
    cbxEnterDirection->AddItem("Up", enums::Direction::Up);
    cbxEnterDirection->AddItem("Left", enums::Direction::Left);
    cbxEnterDirection->AddItem("Right", enums::Direction::Right);
    cbxEnterDirection->AddItem("Down", enums::Direction::Down);

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
    trap([&] { ApplySettingCheckbox(m_oTarget, "FileAssoc", *chkFileAssoc); });
    trap([&] {
        // Turning undo off clears its history, so the user confirms it first;
        // Cancel keeps undo on and lets the other options apply.
        const Variant undoOn = m_oTarget.Get("EnableUndo");
        const bool turningOff = chkUndoRedo->Value() == 0 && undoOn.IsBoolean() && undoOn.ToBool();
        if (!turningOff ||
            Environment::Current().MessageBox(UndoOffQuestion, msgbox::OkCancel | msgbox::Question,
                                              "Options") == msgbox::Ok) {
            ApplySettingCheckbox(m_oTarget, "EnableUndo", *chkUndoRedo);
        }
    });
    trap([&] { ApplySettingNumber(m_oTarget, "UndoMaxNum", *nbeUndoRedo); });
    trap([&] { ApplySettingNumber(m_oTarget, "SheetsInNewWorkbook", *nbeSheetCount); });
    trap([&] { ApplySettingCheckbox(m_oTarget, "FixedDecimal", *chkAutoDecimal); });
    trap([&] { ApplySettingNumber(m_oTarget, "FixedDecimalPlaces", *nbeAutoDecimal); });
    trap([&] { ApplySettingCheckbox(m_oTarget, "MoveAfterReturn", *chkEnterMove); });
    if (chkEnterMove->Value() != 0) {
        trap([&] {
            ApplySettingCombo(m_oTarget, "MoveAfterReturnDirection", *cbxEnterDirection, true);
        });
    }
}

} // namespace vantor
