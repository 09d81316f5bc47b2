#include "vantor/pages/cell/CellPropBackGround.hpp"

#include "vantor/automation/Enumerations.hpp"
#include "vantor/framework/GlobalFunction.hpp"

#include <utility>

namespace vantor {

namespace {

// The entries of the pattern list: item data are the model's pattern codes.
constexpr std::pair<int32_t, const char*> Patterns[] = {
    {enums::Pattern::None, "None"},
    {enums::Pattern::Solid, "Solid"},
    {enums::Pattern::HorizontalStripe, "Horizontal stripe"},
    {enums::Pattern::VerticalStripe, "Vertical stripe"},
    {enums::Pattern::ThinHorizontalStripe, "Thin horizontal stripe"},
    {enums::Pattern::ThinVerticalStripe, "Thin vertical stripe"},
    {enums::Pattern::ReverseDiagonalStripe, "Reverse diagonal stripe"},
    {enums::Pattern::DiagonalStripe, "Diagonal stripe"},
    {enums::Pattern::ThinReverseDiagonalStripe, "Thin reverse diagonal stripe"},
    {enums::Pattern::ThinDiagonalStripe, "Thin diagonal stripe"},
    {enums::Pattern::ThinHorizontalCrosshatch, "Thin horizontal crosshatch"},
    {enums::Pattern::ThickDiagonalCrosshatch, "Thick diagonal crosshatch"},
    {enums::Pattern::DiagonalCrosshatch, "Diagonal crosshatch"},
    {enums::Pattern::ThinDiagonalCrosshatch, "Thin diagonal crosshatch"},
    {enums::Pattern::Grey12_5, "12.5% grey"},
    {enums::Pattern::Grey6_25, "6.25% grey"},
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
        if (index < 0 || cbxPatternStyle->ItemData(index) == enums::Pattern::None) {
            LoadSettingCombo(*cbxPatternStyle, Variant(enums::Pattern::Solid), true);
        }
    });
}

void CellPropBackGround::OnPatternClick() {
    NotifyModified(true);
    ErrorTrap trap;
    trap([&] {
        const int32_t index = cbxPatternStyle->ListIndex();
        if (index >= 0 && cbxPatternStyle->ItemData(index) == enums::Pattern::Solid) {
            csxPatternColor->SetSelColor(ColorSelBox::Automatic);
        }
    });
}

void CellPropBackGround::LoadControls(ErrorTrap& trap) {
    ObjectRef interior;
    if (!trap([&] { interior = m_oTarget.Get("Interior").ToObject(); })) {
        return;
    }
    // "color" is read before "ColorIndex", not in whatever order the
    // arguments of one call happen to be evaluated.
    trap([&] {
        const Variant color = interior.Get("color");
        LoadSettingColor(*csxBackColor, color, interior.Get("ColorIndex"));
    });
    // Picking the colour above may have switched the list to solid; a pattern
    // the list does not offer must show as no selection, so that apply keeps it.
    trap([&] { cbxPatternStyle->SetListIndex(-1); });
    trap([&] { LoadSettingCombo(*cbxPatternStyle, interior.Get("Pattern"), true); });
    trap([&] {
        const Variant color = interior.Get("PatternColor");
        LoadSettingColor(*csxPatternColor, color, interior.Get("PatternColorIndex"));
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
