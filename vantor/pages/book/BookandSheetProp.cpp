#include "vantor/pages/book/BookandSheetProp.hpp"

#include "vantor/automation/Enumerations.hpp"
#include "vantor/automation/TextFunctions.hpp"
#include "vantor/framework/ErrorRecording.hpp"
#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/pages/book/PrecisionText.hpp"
#include "vantor/ui/Environment.hpp"

namespace vantor {

namespace Calculation = enums::Calculation;
namespace CommentMode = enums::CommentMode;

BookandSheetProp::BookandSheetProp()
    // The line that starts loading has no trailing blank; the tags have one.
    : PropertyPage({"[Workbook & Worksheet Property - Reset]",
                    "[Workbook & Worksheet Property - Reset] ",
                    "[Workbook & Worksheet Property - Apply] "},
                   PageCounter::None, "Workbook and Worksheet", {0, 0, 6000, 4200}) {
    cbxAutoRecalc->SetStyle(ComboStyle::DropDownList);
    cbxAutoRecalc->AddItem("Automatic", Calculation::Automatic);
    cbxAutoRecalc->AddItem("Manual", Calculation::Manual);
    // What the workbook accepts: a count it would refuse is refused as typed.
    nbeLoopDegree->SetRange(1, 32767);
    nbeLoopDegree->SetValue(Variant(1));

    chkLoopCalc->On(ev::Click, [this](EventArgs&) {
        EnableIterationLimits();
        NotifyModified(true);
    });
    chkShowGrid->On(ev::Click, [this](EventArgs&) {
        csxGridColor->SetEnabled(chkShowGrid->Value() != 0);
        NotifyModified(true);
    });
    for (vantor::Control* control : std::initializer_list<vantor::Control*>{
             chkShowZero.get(), chkShowError.get(), chkShowHeader.get(), cbxAutoRecalc.get(),
             optCommentMode_None.get(), optCommentMode_Mark.get(), optCommentMode_Both.get()}) {
        NotifyOn(*control, ev::Click);
    }
    // Leaving a comment option counts as a change, even when the choice stays.
    for (OptionButton* option :
         {optCommentMode_None.get(), optCommentMode_Mark.get(), optCommentMode_Both.get()}) {
        NotifyOn(*option, ev::Validate);
    }
    NotifyOn(*txtLoopPrecision, ev::Change);
    NotifyOn(*nbeLoopDegree, ev::ValueChanged);
    NotifyOn(*csxGridColor, ev::ValueChanged);
    cmdRecalc->On(ev::Click, [this](EventArgs&) {
        ErrorTrap trap;
        trap([&] { m_oBook.Call("Calculate"); });
        CheckError("Recalc", trap);
    });
}

void BookandSheetProp::TakeSubTargets(ErrorTrap& trap) {
    trap([&] { m_oBook = m_oTarget.Get("ActiveWorkbook").ToObject(); });
    trap([&] { m_oSheet = m_oTarget.Get("ActiveSheet").ToObject(); });
}

void BookandSheetProp::EnableIterationLimits() {
    const bool iterate = chkLoopCalc->Value() != 0;
    nbeLoopDegree->SetEnabled(iterate);
    txtLoopPrecision->SetEnabled(iterate);
}

int32_t BookandSheetProp::ValidateData() noexcept {
    const ErrorRecording recording(m_lastError);
    return ValidateMaxChange(*txtLoopPrecision, Caption());
}

void BookandSheetProp::LoadControls(ErrorTrap& trap) {
    trap([&] { LoadSettingCheckbox(*chkShowZero, m_oBook.Get("DisplayZeros")); });
    trap([&] { LoadSettingCheckbox(*chkShowError, m_oBook.Get("DisplayErrors")); });
    trap([&] { LoadSettingCombo(*cbxAutoRecalc, m_oBook.Get("Calculation"), true); });
    trap([&] { LoadSettingCheckbox(*chkLoopCalc, m_oBook.Get("Iteration")); });
    trap([&] { LoadSettingNumber(*nbeLoopDegree, m_oBook.Get("MaxIterations")); });
    trap([&] {
        const Variant maxChange = m_oBook.Get("MaxChange");
        LoadSettingText(*txtLoopPrecision, maxChange.IsNull()
                                               ? maxChange
                                               : Variant(FixedNumberText(maxChange.ToDouble())));
    });
    EnableIterationLimits();

    trap([&] { LoadSettingCheckbox(*chkShowHeader, m_oSheet.Get("DisplayHeadings")); });
    trap([&] { LoadSettingCheckbox(*chkShowGrid, m_oSheet.Get("DisplayGridlines")); });
    // The index -1 is never the automatic index: silver shows as silver.
    trap([&] { LoadSettingColor(*csxGridColor, m_oSheet.Get("GridlineColor"), Variant(-1)); });
    csxGridColor->SetEnabled(chkShowGrid->Value() != 0);

    int32_t commentMode = CommentMode::CommentAndIndicator;
    trap([&] { commentMode = m_oBook.Get("CommentMode").ToLong(); });
    const auto& option = commentMode == CommentMode::None        ? optCommentMode_None
                         : commentMode == CommentMode::IndicatorOnly ? optCommentMode_Mark
                                                           : optCommentMode_Both;
    option->SetValue(true);
}

void BookandSheetProp::ApplyControls(ErrorTrap& trap) {
    trap([&] { ApplySettingCheckbox(m_oBook, "DisplayZeros", *chkShowZero); });
    trap([&] { ApplySettingCheckbox(m_oBook, "DisplayErrors", *chkShowError); });
    trap([&] { ApplySettingCombo(m_oBook, "Calculation", *cbxAutoRecalc, true); });
    const int32_t index = cbxAutoRecalc->ListIndex();
    if (index >= 0 && cbxAutoRecalc->ItemData(index) == Calculation::Automatic) {
        trap([&] { m_oBook.Call("Calculate"); });
    }
    trap([&] { ApplySettingCheckbox(m_oBook, "Iteration", *chkLoopCalc); });
    trap([&] {
        m_oBook.Put("MaxIterations",
                    SafeSetting(nbeLoopDegree->Value(), m_oBook.Get("MaxIterations")));
    });
    trap([&] {
        // A text left as shown is kept: the shown form rounds to ten decimals.
        const Variant maxChange = !txtLoopPrecision->ChangedFromSaved()
                                      ? Variant::Null()
                                      : Variant(LeadingNumber(txtLoopPrecision->Text()));
        m_oBook.Put("MaxChange", SafeSetting(maxChange, m_oBook.Get("MaxChange")));
    });

    trap([&] { ApplySettingCheckbox(m_oSheet, "DisplayHeadings", *chkShowHeader); });
    trap([&] { ApplySettingCheckbox(m_oSheet, "DisplayGridlines", *chkShowGrid); });
    const int32_t color = csxGridColor->SelColor();
    if (color == ColorSelBox::Automatic) {
        trap([&] { m_oSheet.Put("GridlineColor", Variant(enums::GridlineColor::Automatic)); });
    } else if (color != ColorSelBox::NoColor) {
        trap([&] { m_oSheet.Put("GridlineColor", Variant(color)); });
    }

    const int32_t commentMode = optCommentMode_None->Value()   ? CommentMode::None
                                : optCommentMode_Mark->Value() ? CommentMode::IndicatorOnly
                                                               : CommentMode::CommentAndIndicator;
    trap([&] { m_oBook.Put("CommentMode", Variant(commentMode)); });
}

} // namespace vantor
