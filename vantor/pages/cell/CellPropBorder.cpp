#include "vantor/pages/cell/CellPropBorder.hpp"

#include "vantor/automation/Enumerations.hpp"
#include "vantor/framework/GlobalFunction.hpp"

namespace vantor {

using namespace enums::BorderIndex;

namespace {

constexpr int32_t AutomaticColorIndex = enums::ColorIndex::Automatic;
constexpr int32_t LineNone = enums::LineStyle::None;
// The entry of m_alBorderColorIndex that marks a border of automatic colour.
constexpr int32_t AutomaticMark = -1;

// The five drawable line styles, in the picker's order.
constexpr int32_t PenStyles[] = {enums::LineStyle::Continuous, enums::LineStyle::DashDot,
                                 enums::LineStyle::DashDotDot, enums::LineStyle::Dot,
                                 enums::LineStyle::Dash};

} // namespace

CellPropBorder::CellPropBorder() : PropertyPage(LogTags::Word("Border"), PageCounter::CellFormat, "Border", {0, 0, 5400, 3300}) {
    InitBorderIndexes();

    for (const auto& [button, n] :
         {std::pair{cmdTop, EdgeTop}, std::pair{cmdBottom, EdgeBottom},
          std::pair{cmdLeft, EdgeLeft}, std::pair{cmdRight, EdgeRight},
          std::pair{cmdVInside, InsideVertical}, std::pair{cmdHInside, InsideHorizontal},
          std::pair{cmdUp, DiagonalUp}, std::pair{cmdDown, DiagonalDown}}) {
        button->SetPushButtonStyle(true);
        CheckBox* toggle = button.get();
        const int32_t border = n;
        button->On(ev::Click, [this, toggle, border](EventArgs&) { OnToggle(*toggle, border); });
    }
    cmdOutSide->On(ev::Click, [this](EventArgs&) {
        for (const int32_t n : {EdgeTop, EdgeLeft, EdgeBottom, EdgeRight}) {
            SetBorder(n, true);
        }
        RefreshButtons();
    });
    cmdInside->On(ev::Click, [this](EventArgs&) {
        SetBorder(InsideHorizontal, true);
        SetBorder(InsideVertical, true);
        RefreshButtons();
    });
    // The diagonals are left as they are.
    cmdNone->On(ev::Click, [this](EventArgs&) {
        for (const int32_t n :
             {EdgeTop, InsideHorizontal, EdgeBottom, EdgeLeft, InsideVertical, EdgeRight}) {
            SetBorder(n, false);
        }
        RefreshButtons();
    });
    bdfBorders->On(ev::ValueChanged,
                   [this](EventArgs& e) { OnBorderClick(e.params.at(0).ToLong()); });
    // Changing the pen marks nothing: only drawing does.
    cbxLineWidth->On(ev::Click, [this](EventArgs&) { OnWidthClick(); });
    csxLineColor->On(ev::ColorPicked,
                     [this](EventArgs&) { lnsLineStyle->SetLineColor(csxLineColor->SelColor()); });

    // The pen: five styles, the first selected, the thin width, black.
    lnsLineStyle->SetColumns(1);
    lnsLineStyle->SetRows(5);
    for (const int32_t s : PenStyles) {
        lnsLineStyle->AddStyle(s, enums::BorderWeight::Hairline, s);
    }
    lnsLineStyle->SetSelIndex(0);
    cbxLineWidth->SetStyle(ComboStyle::DropDownList);
    cbxLineWidth->AddItem("Thin", enums::BorderWeight::Thin);
    cbxLineWidth->AddItem("Medium", enums::BorderWeight::Medium);
    cbxLineWidth->AddItem("Thick", enums::BorderWeight::Thick);
    cbxLineWidth->SetListIndex(0);
    csxLineColor->SetSelColor(0);
}

void CellPropBorder::InitBorderIndexes() {
    constexpr int16_t indexes[] = {DiagonalDown, DiagonalUp, EdgeLeft,       EdgeTop,
                                   EdgeBottom,   EdgeRight,  InsideVertical, InsideHorizontal};
    for (size_t position = 1; position <= 8; ++position) {
        m_anBorderIndex[position] = indexes[position - 1];
    }
}

int16_t CellPropBorder::BorderPosition(int32_t n) const {
    for (int16_t position = 1; position <= 8; ++position) {
        if (m_anBorderIndex[static_cast<size_t>(position)] == n) {
            return position;
        }
    }
    return 0;
}

int32_t CellPropBorder::SetTargets(const std::shared_ptr<TargetList>& paTargets) noexcept {
    // New targets: the pen colour is taken from them again.
    m_bColorLoaded = false;
    return PropertyPage::SetTargets(paTargets);
}

void CellPropBorder::TakeSubTargets(ErrorTrap& trap) {
    m_oBorders = ObjectRef();
    trap([&] { m_oBorders = m_oTarget.Get("Borders").ToObject(); });
}

void CellPropBorder::LoadControls(ErrorTrap&) {
    LoadBorders();
}

void CellPropBorder::ApplyControls(ErrorTrap&) {
    SaveBorders();
}

void CellPropBorder::LoadBorders() noexcept {
    ErrorTrap trap;
    // A selection of one row has no inside horizontal lines, of one column no
    // inside vertical ones: the model refuses them.
    const auto exists = [&](int32_t n) {
        ErrorTrap probe;
        probe([&] { m_oBorders.Get("Item", Variant(n)); });
        return probe.Number() <= 0;
    };
    const bool hasVertical = exists(InsideVertical);
    const bool hasHorizontal = exists(InsideHorizontal);
    const int16_t layout = hasVertical && hasHorizontal ? 3
                           : hasHorizontal              ? 1
                           : hasVertical                ? 2
                                                        : 0;
    trap([&] { bdfBorders->SetLayout(layout); });
    if (hasVertical) {
        LoadBorder(InsideVertical);
    }
    if (hasHorizontal) {
        LoadBorder(InsideHorizontal);
    }
    for (const int32_t n : {EdgeTop, EdgeBottom, EdgeLeft, EdgeRight, DiagonalDown, DiagonalUp}) {
        LoadBorder(n);
    }
    // No border has a line: the pen draws in the automatic colour.
    if (!m_bColorLoaded) {
        trap([&] { csxLineColor->SetSelColor(ColorSelBox::Automatic); });
        m_bColorLoaded = true;
    }
    RefreshButtons();
    CheckError("LoadBorders", trap);
}

void CellPropBorder::LoadBorder(int32_t n) noexcept {
    ErrorTrap trap;
    ObjectRef border;
    trap([&] { border = m_oBorders.Get("Item", Variant(n)).ToObject(); });
    if (border.IsNothing()) {
        CheckError("LoadBorder", trap);
        return;
    }
    const size_t slot = Slot(n);
    Variant colorIndex;
    Variant color;
    trap([&] {
        colorIndex = border.Get("ColorIndex");
        if (colorIndex.IsNull()) {
            return;
        }
        // The model marks an automatic colour with its automatic index.
        const int32_t index = colorIndex.ToLong();
        m_alBorderColorIndex[slot] = index == AutomaticColorIndex ? AutomaticMark : index;
        if (m_alBorderColorIndex[slot] == AutomaticMark) {
            m_lAutoColor = border.Get("color").ToLong();
        }
    });
    // Where the cells differ in colour, weight or style the border is
    // undetermined: drawing it whole from the parts that agree would write
    // a colour or weight the user never chose.
    bool undetermined = false;
    trap([&] {
        color = border.Get("color");
        if (color.IsNull()) {
            undetermined = true;
        } else {
            bdfBorders->SetBorderColor(n, color.ToLong());
        }
    });
    trap([&] {
        const Variant weight = border.Get("Weight");
        if (weight.IsNull()) {
            undetermined = true;
        } else {
            bdfBorders->SetBorderWeight(n, weight.ToLong());
        }
    });
    Variant style;
    const bool styleRead = trap([&] {
        style = border.Get("LineStyle");
        bdfBorders->SetBorderLineStyle(n, style.IsNull() || undetermined ? LineUndetermined
                                                                         : style.ToLong());
    });
    // The pen colour comes from the first border, in load order, that has a
    // line (a style that differs counts as one) in one colour; a colour that
    // differs across the cells would give the pen no colour to draw with.
    const bool uniformColor =
        !colorIndex.IsNull() &&
        (!color.IsNull() || (colorIndex.IsNumber() && colorIndex.ToLong() == AutomaticColorIndex));
    if (!m_bColorLoaded && styleRead && uniformColor &&
        (style.IsNull() || style.ToLong() != LineNone)) {
        LoadSettingColor(*csxLineColor, color, colorIndex);
        m_bColorLoaded = true;
    }
    CheckError("LoadBorder", trap);
}

void CellPropBorder::RefreshButtons() noexcept {
    ErrorTrap trap;
    const int16_t layout = bdfBorders->Layout();
    const bool horizontal = layout == 1 || layout == 3;
    const bool vertical = layout == 2 || layout == 3;
    // Another load may bring more cells: the buttons follow the layout both ways.
    trap([&] { cmdInside->SetEnabled(horizontal || vertical); });
    trap([&] { cmdHInside->SetEnabled(horizontal); });
    trap([&] { cmdVInside->SetEnabled(vertical); });
    if (horizontal) {
        RefreshButton(*cmdHInside, InsideHorizontal);
    }
    if (vertical) {
        RefreshButton(*cmdVInside, InsideVertical);
    }
    RefreshButton(*cmdTop, EdgeTop);
    RefreshButton(*cmdBottom, EdgeBottom);
    RefreshButton(*cmdLeft, EdgeLeft);
    RefreshButton(*cmdRight, EdgeRight);
    RefreshButton(*cmdDown, DiagonalDown);
    RefreshButton(*cmdUp, DiagonalUp);
    CheckError("RefreshButtons", trap);
}

void CellPropBorder::RefreshButton(CheckBox& button, int32_t n) noexcept {
    ErrorTrap trap;
    trap([&] {
        const int32_t style = bdfBorders->BorderLineStyle(n);
        button.SetValue(style == LineUndetermined || style == LineNone ? 0 : 1);
    });
    CheckError("RefreshButton", trap);
}

void CellPropBorder::SetBorder(int32_t n, bool on) {
    if (on) {
        const int16_t pen = lnsLineStyle->SelIndex();
        bdfBorders->SetBorderLineStyle(n, lnsLineStyle->StyleOf(pen));
        bdfBorders->SetBorderWeight(n, lnsLineStyle->WeightOf(pen));
        if (csxLineColor->SelColor() != ColorSelBox::Automatic) {
            bdfBorders->SetBorderColor(n, lnsLineStyle->LineColor());
            // An explicit colour replaces an automatic one drawn before.
            if (m_alBorderColorIndex[Slot(n)] == AutomaticMark) {
                m_alBorderColorIndex[Slot(n)] = 0;
            }
        } else {
            bdfBorders->SetBorderColor(n, m_lAutoColor);
            m_alBorderColorIndex[Slot(n)] = AutomaticMark;
        }
    } else {
        bdfBorders->SetBorderLineStyle(n, LineNone);
    }
    NotifyModified(true);
}

void CellPropBorder::OnToggle(const CheckBox& button, int32_t n) {
    if (!m_bLoading) {
        SetBorder(n, button.Value() != 0);
    }
}

void CellPropBorder::OnBorderClick(int32_t n) {
    const int16_t pen = lnsLineStyle->SelIndex();
    // Drawn with this pen: same style and weight, and the pen's colour, which
    // for the automatic pen is the automatic colour with its mark.
    const bool automaticPen = csxLineColor->SelColor() == ColorSelBox::Automatic;
    const bool automaticBorder = m_alBorderColorIndex[Slot(n)] == AutomaticMark;
    const bool sameColor =
        automaticPen ? automaticBorder && bdfBorders->BorderColor(n) == m_lAutoColor
                     : !automaticBorder && bdfBorders->BorderColor(n) == lnsLineStyle->LineColor();
    const bool drawn = sameColor && bdfBorders->BorderWeight(n) == lnsLineStyle->WeightOf(pen) &&
                       bdfBorders->BorderLineStyle(n) == lnsLineStyle->StyleOf(pen);
    SetBorder(n, !drawn);
    RefreshButtons();
}

void CellPropBorder::OnWidthClick() {
    const int32_t index = cbxLineWidth->ListIndex();
    if (index < 0) {
        return;
    }
    const int32_t weight = cbxLineWidth->ItemData(index);
    for (int32_t i = 0; i <= lnsLineStyle->MaxIndex(); ++i) {
        lnsLineStyle->SetWeightOf(i, weight);
    }
}

void CellPropBorder::SaveBorders() noexcept {
    ErrorTrap trap;
    int16_t layout = 0;
    trap([&] { layout = bdfBorders->Layout(); });
    if (layout == 3 || layout == 1) {
        SaveBorder(InsideHorizontal);
    }
    if (layout == 3 || layout == 2) {
        SaveBorder(InsideVertical);
    }
    for (const int32_t n : {EdgeTop, EdgeBottom, EdgeLeft, EdgeRight, DiagonalDown, DiagonalUp}) {
        SaveBorder(n);
    }
    CheckError("SaveBorders", trap);
}

void CellPropBorder::SaveBorder(int32_t n) noexcept {
    ErrorTrap trap;
    const int32_t style = bdfBorders->BorderLineStyle(n);
    // A border the user never set, where the cells differ, is not written.
    if (style == LineUndetermined) {
        return;
    }
    const int32_t weight = bdfBorders->BorderWeight(n);
    const int32_t color = bdfBorders->BorderColor(n);
    const bool automatic = m_alBorderColorIndex[Slot(n)] == AutomaticMark;
    ObjectRef border;
    trap([&] { border = m_oBorders.Get("Item", Variant(n)).ToObject(); });
    if (border.IsNothing()) {
        CheckError("SaveBorder", trap);
        return;
    }
    bool same = false;
    trap([&] {
        // A border without a line has no colour or weight worth writing.
        if (style == LineNone) {
            same = SafeCompare(Variant(style), border.Get("LineStyle"));
            return;
        }
        const Variant current = border.Get("color");
        same = SafeCompare(Variant(style), border.Get("LineStyle")) && !current.IsNull() &&
               current.ToLong() == color && SafeCompare(Variant(weight), border.Get("Weight"));
        // Automatic and an explicit colour that looks the same are not the same border.
        if (same) {
            const Variant index = border.Get("ColorIndex");
            same = !index.IsNull() && (index.ToLong() == AutomaticColorIndex) == automatic;
        }
    });
    if (same) {
        CheckError("SaveBorder", trap);
        return;
    }
    trap([&] { border.Put("LineStyle", Variant(style)); });
    if (style != LineNone) {
        if (automatic) {
            trap([&] { border.Put("ColorIndex", Variant(AutomaticColorIndex)); });
        } else {
            trap([&] { border.Put("color", Variant(static_cast<double>(color))); });
        }
        trap([&] { border.Put("Weight", Variant(weight)); });
    }
    CheckError("SaveBorder", trap);
}

} // namespace vantor
