#include "vantor/pages/book/BookPropCalc.hpp"

#include "vantor/automation/Enumerations.hpp"
#include "vantor/automation/TextFunctions.hpp"
#include "vantor/framework/ErrorRecording.hpp"
#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/pages/book/PrecisionText.hpp"
#include "vantor/ui/Environment.hpp"

namespace vantor {

namespace Calculation = enums::Calculation;

BookPropCalc::BookPropCalc() : PropertyPage(LogTags::Word("Calc"), PageCounter::None, "Calculation", {0, 0, 4800, 2595}) {
    cbxAutoRecalc->SetStyle(ComboStyle::DropDownList);
    cbxAutoRecalc->AddItem("Automatic", Calculation::Automatic);
    cbxAutoRecalc->AddItem("Manual", Calculation::Manual);
    // What the workbook accepts: a count it would refuse is refused as typed.
    nbeLoopDegree->SetRange(1, 32767);
    nbeLoopDegree->SetValue(Variant(1));

    NotifyOn(*cbxAutoRecalc, ev::Click);
    chkLoopCalc->On(ev::Click, [this](EventArgs&) {
        EnableIterationLimits();
        NotifyModified(true);
    });
    NotifyOn(*nbeLoopDegree, ev::ValueChanged);
    NotifyOn(*txtLoopPrecision, ev::Change);
    NotifyOn(*chkShowZero, ev::Click);
    NotifyOn(*chkShowError, ev::Click);
    NotifyOn(*chkUseDisplay, ev::Click);
    cmdRecalc->On(ev::Click, [this](EventArgs&) {
        ErrorTrap trap;
        trap([&] { m_oTarget.Call("Calculate"); });
        CheckError("Recalc", trap);
    });

    cbxAutoRecalc->SetListIndex(0);
    chkLoopCalc->SetValue(0);
    EnableIterationLimits();
}

void BookPropCalc::EnableIterationLimits() {
    const bool iterate = chkLoopCalc->Value() != 0;
    nbeLoopDegree->SetEnabled(iterate);
    txtLoopPrecision->SetEnabled(iterate);
}

int32_t BookPropCalc::ValidateData() noexcept {
    const ErrorRecording recording(m_lastError);
    return ValidateMaxChange(*txtLoopPrecision, Caption());
}

void BookPropCalc::LoadControls(ErrorTrap& trap) {
    trap([&] { LoadSettingCombo(*cbxAutoRecalc, m_oTarget.Get("Calculation"), true); });
    trap([&] { LoadSettingCheckbox(*chkLoopCalc, m_oTarget.Get("Iteration")); });
    trap([&] { LoadSettingNumber(*nbeLoopDegree, m_oTarget.Get("MaxIterations")); });
    trap([&] {
        const Variant maxChange = m_oTarget.Get("MaxChange");
        LoadSettingText(*txtLoopPrecision, maxChange.IsNull()
                                               ? maxChange
                                               : Variant(ShortNumberText(maxChange.ToDouble())));
    });
    trap([&] { LoadSettingCheckbox(*chkShowZero, m_oTarget.Get("DisplayZeros")); });
    trap([&] { LoadSettingCheckbox(*chkShowError, m_oTarget.Get("DisplayErrors")); });
    trap([&] { LoadSettingCheckbox(*chkUseDisplay, m_oTarget.Get("PrecisionAsDisplayed")); });
    EnableIterationLimits();
}

void BookPropCalc::ApplyControls(ErrorTrap& trap) {
    trap([&] { ApplySettingCombo(m_oTarget, "Calculation", *cbxAutoRecalc, true); });
    const int32_t index = cbxAutoRecalc->ListIndex();
    if (index >= 0 && cbxAutoRecalc->ItemData(index) == Calculation::Automatic) {
        trap([&] { m_oTarget.Call("Calculate"); });
    }
    trap([&] { ApplySettingCheckbox(m_oTarget, "Iteration", *chkLoopCalc); });
    trap([&] {
        m_oTarget.Put("MaxIterations",
                      SafeSetting(nbeLoopDegree->Value(), m_oTarget.Get("MaxIterations")));
    });
    trap([&] {
        // A text left as shown is kept: the short form may not read back exactly.
        const Variant maxChange = !txtLoopPrecision->ChangedFromSaved()
                                      ? Variant::Null()
                                      : Variant(LeadingNumber(txtLoopPrecision->Text()));
        m_oTarget.Put("MaxChange", SafeSetting(maxChange, m_oTarget.Get("MaxChange")));
    });
    trap([&] { ApplySettingCheckbox(m_oTarget, "DisplayZeros", *chkShowZero); });
    trap([&] { ApplySettingCheckbox(m_oTarget, "DisplayErrors", *chkShowError); });
    // Keeping numbers as shown loses digits: turning it on is asked first.
    trap([&] {
        if (chkUseDisplay->Value() == 1 && chkUseDisplay->SavedValue() == Variant(int32_t{0}) &&
            Environment::Current().MessageBox(PrecisionWarning,
                                              msgbox::OkCancel | msgbox::Exclamation,
                                              Caption()) != msgbox::Ok) {
            return;
        }
        ApplySettingCheckbox(m_oTarget, "PrecisionAsDisplayed", *chkUseDisplay);
    });
}

} // namespace vantor
