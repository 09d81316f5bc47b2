#include "vantor/pages/cell/CellPropFormat.hpp"

#include "vantor/automation/TextFunctions.hpp"
#include "vantor/framework/ErrorRecording.hpp"
#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/pages/cell/NumberFormatModel.hpp"
#include "vantor/ui/Environment.hpp"

#include <utility>

namespace vantor {

namespace nf = numberformat;

namespace {

bool IsTrue(const Variant& value) {
    return !value.IsNull() && value.ToBool();
}

} // namespace

CellPropFormat::CellPropFormat() : PropertyPage(LogTags::Word("Format"), PageCounter::CellFormat, "Number", {0, 0, 6000, 4080}) {
    for (const nf::Category& category : nf::Categories) {
        lstCategory->AddItem(category.name, category.code);
    }
    lstCategory->SetListIndex(-1);
    lstFormat->Clear();
    lstFormatStr->Clear();
    lblPreview->SetCaption("");

    for (Frame* frame : {frNone.get(), frNumber.get(), frCurrency.get(), frScientific.get(),
                         frPercent.get(), frFormatList.get()}) {
        frame->SetVisible(false);
    }
    lstFormatStr->SetVisible(false);
    for (NumberEdit* box :
         {nbeNumSpaces.get(), nbeCurSpaces.get(), nbeSciSpaces.get(), nbePercentSpace.get()}) {
        box->SetRange(0, 100);
    }
    cbxCurSymbol->SetStyle(ComboStyle::DropDownList);
    for (const char* symbol : {"$", "€", "¥"}) {
        cbxCurSymbol->AddItem(symbol);
    }
    cmdAdd->SetEnabled(false);

    lstCategory->On(ev::Click, [this](EventArgs&) { OnCategoryClick(); });
    lstFormat->On(ev::Click, [this](EventArgs&) { OnFormatClick(); });
    nbeNumSpaces->On(ev::ValueChanged,
                     [this](EventArgs&) { OnOptionChange(nf::Number, "Spaces Change"); });
    chkNumComma->On(ev::Click,
                    [this](EventArgs&) { OnOptionChange(nf::Number, "Use Comma Change"); });
    nbeCurSpaces->On(ev::ValueChanged,
                     [this](EventArgs&) { OnOptionChange(nf::Currency, "Spaces Change"); });
    cbxCurSymbol->On(
        ev::Click, [this](EventArgs&) { OnOptionChange(nf::Currency, "Currency Symbol Change"); });
    nbeSciSpaces->On(ev::ValueChanged,
                     [this](EventArgs&) { OnOptionChange(nf::Scientific, "Spaces Change"); });
    chkShowPlug->On(ev::Click,
                    [this](EventArgs&) { OnOptionChange(nf::Scientific, "Exponent Sign Change"); });
    nbePercentSpace->On(ev::ValueChanged, [this](EventArgs&) {
        OnOptionChange(nf::Percent, "Percent Space Change");
    });
    txtFormatCode->On(ev::Change, [this](EventArgs&) { OnFormatCodeChange(); });
    cmdAdd->On(ev::Click, [this](EventArgs&) { OnAddClick(); });
}

ObjectRef CellPropFormat::NumberFormats() const {
    return m_oTarget.Get("Application").Get("NumberFormats").ToObject();
}

int32_t CellPropFormat::SelectedCategory() const {
    return lstCategory->ItemData(lstCategory->ListIndex());
}

std::string CellPropFormat::BuildCode(int32_t category) const {
    switch (category) {
    case nf::Number:
        return nf::BuildFormatCode(nbeNumSpaces->Value().ToLong(), chkNumComma->Value() != 0, "", 0,
                                   Variant(false));
    case nf::Currency:
        return nf::BuildFormatCode(nbeCurSpaces->Value().ToLong(), true, cbxCurSymbol->Text(), 0,
                                   Variant(false));
    case nf::Scientific:
        return nf::BuildFormatCode(nbeSciSpaces->Value().ToLong(), false, "", 2,
                                   Variant(chkShowPlug->Value() != 0));
    case nf::Percent:
        return nf::BuildPercentCode(nbePercentSpace->Value().ToLong());
    default:
        throw AutomationError(err::InvalidCall, "The category has no options to build a code from");
    }
}

void CellPropFormat::TakeBuiltCode(ErrorTrap& trap, int32_t category) {
    trap([&] { m_strFormatCode = BuildCode(category); });
    trap([&] { txtFormatCode->SetText(m_strFormatCode); });
    NotifyModified(true);
}

void CellPropFormat::LoadControls(ErrorTrap& trap) {
    // Loading is already on: putting the options back builds nothing.
    trap([&] { nbeNumSpaces->SetValue(Variant(2)); });
    trap([&] { chkNumComma->SetValue(0); });
    trap([&] { chkShowPlug->SetValue(0); });
    trap([&] { nbeCurSpaces->SetValue(Variant(2)); });
    trap([&] { cbxCurSymbol->SetListIndex(1); });
    trap([&] { nbeSciSpaces->SetValue(Variant(2)); });
    trap([&] { nbePercentSpace->SetValue(Variant(2)); });

    trap([&] { lblPreview->SetCaption(""); });
    trap([&] { txtFormatCode->SetText(""); });
    trap([&] { cmdAdd->SetEnabled(false); });
    // A failed read counts as mixed formats, not as General.
    Variant code = Variant::Null();
    trap([&] { code = m_oTarget.Get("NumberFormat"); });
    if (!code.IsNull()) {
        LoadFormat(code);
        trap([&] { m_strFormatCode = code.ToString(); });
    }
    trap([&] { txtFormatCode->SetText(m_strFormatCode); });
    // General shows an empty code, which raises no change: preview it here.
    ShowPreview(trap);
}

void CellPropFormat::LoadFormat(const Variant& code) noexcept {
    ErrorTrap trap;
    bool blank = false;
    trap([&] { blank = Trim(code.ToString()).empty(); });
    if (blank) {
        LoadCagegory(nf::General);
        trap([&] { LoadSettingList(*lstFormatStr, code, false); });
        ReportError("LoadFormat", trap);
        return;
    }
    ObjectRef format;
    trap([&] { format = NumberFormats().Get("Item", code).ToObject(); });
    if (!format.IsNothing()) {
        int32_t category = 0;
        trap([&] { category = format.Get("Category").ToLong(); });
        trap([&] { LoadCagegory(format.Get("Category").ToLong()); });
        trap([&] { LoadSettingList(*lstFormatStr, code, false); });
        switch (category) {
        case nf::Number:
            trap([&] {
                nbeNumSpaces->SetValue(Variant(format.Get("FixedDecimalPlaces").ToLong()));
            });
            trap([&] { chkNumComma->SetValue(IsTrue(format.Get("UseComma")) ? 1 : 0); });
            break;
        case nf::Currency:
            trap([&] {
                nbeCurSpaces->SetValue(Variant(format.Get("FixedDecimalPlaces").ToLong()));
            });
            trap([&] { LoadSettingCombo(*cbxCurSymbol, format.Get("CurrencySymbol"), false); });
            break;
        case nf::Scientific:
            trap([&] {
                nbeSciSpaces->SetValue(Variant(format.Get("FixedDecimalPlaces").ToLong()));
            });
            trap([&] { chkShowPlug->SetValue(IsTrue(format.Get("ExponentSign")) ? 1 : 0); });
            break;
        case nf::Percent:
            trap([&] {
                nbePercentSpace->SetValue(Variant(format.Get("FixedDecimalPlaces").ToLong()));
            });
            break;
        default:
            if (nf::IsListed(category)) {
                trap([&] { lstFormat->SetListIndex(lstFormatStr->ListIndex()); });
            }
            break;
        }
    }
    ReportError("LoadFormat", trap);
}

void CellPropFormat::LoadCagegory(int32_t category) noexcept {
    ErrorTrap trap;
    trap([&] { LoadSettingList(*lstCategory, Variant(category), true); });
    for (Frame* frame : {frNone.get(), frNumber.get(), frCurrency.get(), frScientific.get(),
                         frPercent.get(), frFormatList.get()}) {
        trap([&] { frame->SetVisible(false); });
    }
    trap([&] { lstFormat->Clear(); });
    trap([&] { lstFormatStr->Clear(); });
    trap([&] {
        lstFormat->Move({0, 0, frFormatList->Position().width, frFormatList->Position().height});
    });
    for (const nf::Category& entry : nf::Categories) {
        if (entry.code == category) {
            trap([&] { Control(entry.frame).SetVisible(true); });
        }
    }
    if (category != nf::General) {
        ObjectRef formats;
        std::vector<Variant> all;
        trap([&] { formats = NumberFormats(); });
        trap([&] { all = formats.Enumerate(); });
        for (const Variant& format : all) {
            trap([&] {
                if (format.Get("Category").ToLong() == category) {
                    lstFormatStr->AddItem(format.Get("Name").ToString());
                }
            });
        }
        if (nf::IsListed(category)) {
            for (int32_t i = 0; i < lstFormatStr->ListCount(); ++i) {
                // An entry whose sample fails shows its code, so that the two
                // lists stay parallel.
                std::string entry = lstFormatStr->List(i);
                trap([&] {
                    const ObjectRef format = formats.Get("Item", Variant(entry)).ToObject();
                    entry = category == nf::Custom
                                ? format.Get("Name").ToString()
                                : format.Call("Format", nf::Sample(category)).ToString();
                });
                trap([&] { lstFormat->AddItem(entry); });
            }
        }
    }
    ReportError("LoadCagegory", trap);
}

void CellPropFormat::OnCategoryClick() noexcept {
    ErrorTrap trap;
    NotifyModified(true);
    trap([&] { LoadCagegory(SelectedCategory()); });
    trap([&] { LoadSettingList(*lstFormatStr, Variant(m_strFormatCode), false); });
    // Only a listed category's entries run parallel to its codes.
    trap([&] {
        if (lstFormat->ListCount() > 0) {
            lstFormat->SetListIndex(lstFormatStr->ListIndex());
        }
    });
    if (!m_bLoading) {
        int32_t selected = 0;
        trap([&] { selected = SelectedCategory(); });
        if (selected == nf::General || nf::IsListed(selected)) {
            if (lstFormat->ListCount() > 0 && lstFormat->ListIndex() < 0) {
                trap([&] { lstFormat->SetListIndex(0); });
                trap([&] { lstFormatStr->SetListIndex(0); });
            }
        } else if (selected != 0) {
            TakeBuiltCode(trap, selected);
        }
    }
    trap([&] {
        if (SelectedCategory() == nf::General) {
            m_strFormatCode.clear();
            txtFormatCode->SetText("");
        }
    });
    ReportError("Category Clicked", trap);
}

void CellPropFormat::OnFormatClick() noexcept {
    ErrorTrap trap;
    NotifyModified(true);
    trap([&] { m_strFormatCode = lstFormatStr->List(lstFormat->ListIndex()); });
    trap([&] { lstFormatStr->SetListIndex(lstFormat->ListIndex()); });
    trap([&] { txtFormatCode->SetText(m_strFormatCode); });
    ReportError("Format Clicked", trap);
}

void CellPropFormat::OnOptionChange(int32_t category, const char* tag) noexcept {
    ErrorTrap trap;
    if (!m_bLoading) {
        TakeBuiltCode(trap, category);
    }
    ReportError(tag, trap);
}

void CellPropFormat::OnFormatCodeChange() noexcept {
    ErrorTrap trap;
    const std::string text = txtFormatCode->Text();
    if (text != m_strFormatCode) {
        trap([&] { cmdAdd->SetEnabled(true); });
        NotifyModified(true);
    } else {
        trap([&] { cmdAdd->SetEnabled(false); });
    }
    ShowPreview(trap);
    ReportError("Format Code Change", trap);
}

void CellPropFormat::ShowPreview(ErrorTrap& trap) {
    trap([&] { lblPreview->SetCaption(""); });
    trap([&] {
        // A value the application cannot show (Null) leaves the preview empty.
        const Variant shown =
            NumberFormats().Call("Format", Variant(txtFormatCode->Text()), m_oTarget.Get("Value"));
        lblPreview->SetCaption(shown.IsNull() ? std::string() : shown.ToString());
    });
}

int32_t CellPropFormat::ValidateData() noexcept {
    const ErrorRecording recording(m_lastError);
    ErrorTrap trap;
    int32_t result = 0;
    trap([&] {
        const std::string text = txtFormatCode->Text();
        // Blanks are never added, and the current code was accepted already.
        if (Trim(text).empty() || text == m_strFormatCode) {
            return;
        }
        const Variant problem = NumberFormats().Call("Check", Variant(text));
        if (problem.IsEmpty()) {
            return;
        }
        result = 1;
        Environment::Current().MessageBox(BadCode + problem.Get("Description").ToString(),
                                          msgbox::OkOnly | msgbox::Exclamation, Caption());
        txtFormatCode->Focus();
        txtFormatCode->SetSelStart(problem.Get("Start").ToLong() - 1);
        txtFormatCode->SetSelLength(problem.Get("Length").ToLong());
    });
    CheckError("", trap);
    return result;
}

void CellPropFormat::OnAddClick() noexcept {
    ErrorTrap trap;
    const std::string text = txtFormatCode->Text();
    if (!Trim(text).empty() && text != m_strFormatCode) {
        // A code the application refuses leaves the current one in place.
        trap([&] {
            m_strFormatCode = NumberFormats().Call("Add", Variant(text)).Get("Name").ToString();
        });
        // The code's category and options are shown as a reset shows them:
        // their handlers must not rebuild the typed code from the options,
        // which would drop its other sections and colours.
        const bool wasLoading = std::exchange(m_bLoading, true);
        LoadFormat(Variant(m_strFormatCode));
        m_bLoading = wasLoading;
        NotifyModified(true);
    }
    trap([&] { txtFormatCode->SetText(m_strFormatCode); });
    trap([&] { cmdAdd->SetEnabled(false); });
    CheckError("", trap);
}

int32_t CellPropFormat::OnApply() noexcept {
    const ErrorRecording recording(m_lastError);
    ErrorTrap trap;
    WriteLog(ApplyTag());
    // A typed code becomes the current one first.
    if (txtFormatCode->Text() != m_strFormatCode) {
        OnAddClick();
    }
    ApplyControls(trap);
    // The add above may have counted this edit cycle; the next change counts anew.
    m_bCounted = false;
    trap([&] { m_oTarget.Call("Apply"); });
    DropInvalidCallError(trap);
    CheckError(ApplyTag(), trap);
    return 0;
}

void CellPropFormat::ApplyControls(ErrorTrap& trap) {
    Variant current = Variant::Null();
    trap([&] { current = m_oTarget.Get("NumberFormat"); });
    // Over cells whose formats differ each keeps its own, unless the user
    // chose a category or left a code other than the one shown at load
    // (typing a code and erasing it again chooses nothing).
    if (current.IsNull() && !lstCategory->ChangedFromSaved() && !txtFormatCode->ChangedFromSaved()) {
        return;
    }
    const Variant code(m_strFormatCode);
    if (!SafeCompare(current, code) || !SafeCompare(Variant(txtFormatCode->Text()), code)) {
        trap([&] { m_oTarget.Put("NumberFormat", code); });
    }
}

} // namespace vantor
