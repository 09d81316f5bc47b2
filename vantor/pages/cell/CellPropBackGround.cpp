#include "vantor/pages/cell/CellPropBackGround.hpp"

#include "vantor/framework/GlobalFunction.hpp"

#include <utility>

namespace vantor {

namespace {

// The entries of the pattern list: item data are the model's pattern codes.
constexpr std::pair<int32_t, const char*> Patterns[] = {
    {-4142, "None"},
    {1, "Solid"},
    {-4128, "Horizontal stripe"},
    {-4166, "Vertical stripe"},
    {11, "Thin horizontal stripe"},
    {12, "Thin vertical stripe"},
    {-4162, "Reverse diagonal stripe"},
    {-4121, "Diagonal stripe"},
    {14, "Thin reverse diagonal stripe"},
    {13, "Thin diagonal stripe"},
    {15, "Thin horizontal crosshatch"},
    {10, "Thick diagonal crosshatch"},
    {9, "Diagonal crosshatch"},
    {16, "Thin diagonal crosshatch"},
    {17, "12.5% grey"},
    {18, "6.25% grey"},
};

} // namespace

CellPropBackGround::CellPropBackGround()
    : PropertyPage(LogTags::Word("Background"), PageCounter::CellFormat, "Background", {0, 0, 3840, 1800}) {
    cbxPatternStyle->SetStyle(ComboStyle::DropDownList);
    for (const auto& [code, text] : Patterns) {
        cbxPatternStyle->AddItem(text, code);
    }
    csxBackColor->On(ev::ColorPicked, [this](EventArgs&) { OnBackColorPicked(); });
    cbxPatternStyle->On(ev::Click, [this](EventArgs&) { OnPatternClick(); });
    NotifyOn(*csxPatternColor, ev::ColorPicked);
}

void CellPropBackGround::OnBackColorPicked() {
    NotifyModified(true);
    ErrorTrap trap;
    trap([&] {
        const int32_t index = cbxPatternStyle->ListIndex();
        if (index < 0 || cbxPatternStyle->ItemData(index) == PatternNone) {
            LoadSettingCombo(*cbxPatternStyle, Variant(PatternSolid), true);
        }
    });
}

void CellPropBackGround::OnPatternClick() {
    NotifyModified(true);
    ErrorTrap trap;
    trap([&] {
        const int32_t index = cbxPatternStyle->ListIndex();
        if (index >= 0 && cbxPatternStyle->ItemData(index) == PatternSolid) {
            csxPatternColor->SetSelColor(ColorSelBox::Automatic);
        }
    });
}

void CellPropBackGround::LoadControls(ErrorTrap& trap) {
    ObjectRef interior;
    if (!trap([&] { interior = m_oTarget.Get("Interior").ToObject(); })) {
        return;
    }
    trap([&] {
        LoadSettingColor(*csxBackColor, interior.Get("color"), interior.Get("ColorIndex"));
    });
    // Picking the colour above may have switched the list to solid; a pattern
    // the list does not offer must show as no selection, so that apply keeps it.
    trap([&] { cbxPatternStyle->SetListIndex(-1); });
    trap([&] { LoadSettingCombo(*cbxPatternStyle, interior.Get("Pattern"), true); });
    trap([&] {
        LoadSettingColor(*csxPatternColor, interior.Get("PatternColor"),
                         interior.Get("PatternColorIndex"));
    });
}

void CellPropBackGround::ApplyControls(ErrorTrap& trap) {
    ObjectRef interior;
    trap([&] { interior = m_oTarget.Get("Interior").ToObject(); });
    trap([&] { ApplySettingColor(interior, "color", "ColorIndex", *csxBackColor); });
    trap([&] { ApplySettingCombo(interior, "Pattern", *cbxPatternStyle, true); });
    trap([&] {
        ApplySettingColor(interior, "PatternColor", "PatternColorIndex", *csxPatternColor);
    });
}

} // namespace vantor
