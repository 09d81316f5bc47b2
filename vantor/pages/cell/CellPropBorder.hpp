#pragma once
#include "vantor/framework/PropertyPage.hpp"
#include "vantor/ui/CheckBox.hpp"
#include "vantor/ui/ColorSelBox.hpp"
#include "vantor/ui/ComboBox.hpp"
#include "vantor/ui/CommandButton.hpp"
#include "vantor/ui/CompartLine.hpp"
#include "vantor/ui/Frame.hpp"
#include "vantor/ui/Label.hpp"
#include "vantor/ui/LineStyle.hpp"
#include "vantor/ui/QvFrameStyle.hpp"

#include <array>
#include <memory>

namespace vantor {

// The borders of the selected cells. The user picks a pen (line style, width
// and colour) and draws or removes borders with it in the diagram, with the
// eight toggle buttons or with the three presets. The diagram is the working
// copy of every border; apply writes only the borders that differ from the
// target.
class CellPropBorder : public PropertyPage {
public:
    CellPropBorder();
    std::string ClassName() const override { return "CellPropBorder"; }

    int32_t SetTargets(const std::shared_ptr<TargetList>& paTargets) noexcept override;

    // The diagram's line style of a border that differs across the cells.
    static constexpr int32_t LineUndetermined = -1;

    // The form design (positions in twips; the diagram and the toggle
    // buttons sit in Frame1).
    const std::shared_ptr<Frame> Frame1 = Add<Frame>("Frame1", {120, 60, 3480, 3180}, "Border");
    const std::shared_ptr<CheckBox> cmdTop =
        Add<CheckBox>("cmdTop", {120, 360, 420, 420}, "Top", "Frame1");
    const std::shared_ptr<CheckBox> cmdHInside =
        Add<CheckBox>("cmdHInside", {120, 900, 420, 420}, "Inside horizontal", "Frame1");
    const std::shared_ptr<CheckBox> cmdBottom =
        Add<CheckBox>("cmdBottom", {120, 1440, 420, 420}, "Bottom", "Frame1");
    const std::shared_ptr<QvFrameStyle> bdfBorders =
        Add<QvFrameStyle>("bdfBorders", {660, 360, 2160, 1500}, "", "Frame1");
    const std::shared_ptr<CheckBox> cmdUp =
        Add<CheckBox>("cmdUp", {120, 1980, 420, 420}, "Diagonal up", "Frame1");
    const std::shared_ptr<CheckBox> cmdLeft =
        Add<CheckBox>("cmdLeft", {660, 1980, 420, 420}, "Left", "Frame1");
    const std::shared_ptr<CheckBox> cmdVInside =
        Add<CheckBox>("cmdVInside", {1530, 1980, 420, 420}, "Inside vertical", "Frame1");
    const std::shared_ptr<CheckBox> cmdRight =
        Add<CheckBox>("cmdRight", {2400, 1980, 420, 420}, "Right", "Frame1");
    const std::shared_ptr<CheckBox> cmdDown =
        Add<CheckBox>("cmdDown", {2940, 1980, 420, 420}, "Diagonal down", "Frame1");
    const std::shared_ptr<Label> Label1 = Add<Label>("Label1", {3720, 120, 1560, 195}, "Presets:");
    const std::shared_ptr<CommandButton> cmdNone =
        Add<CommandButton>("cmdNone", {3720, 360, 480, 480}, "None");
    const std::shared_ptr<CommandButton> cmdOutSide =
        Add<CommandButton>("cmdOutSide", {4260, 360, 480, 480}, "Outline");
    const std::shared_ptr<CommandButton> cmdInside =
        Add<CommandButton>("cmdInside", {4800, 360, 480, 480}, "Inside");
    const std::shared_ptr<CompartLine> CompartLine1 =
        Add<CompartLine>("CompartLine1", {3720, 960, 1560, 30});
    const std::shared_ptr<Label> Label2 = Add<Label>("Label2", {3720, 1080, 1560, 195}, "Style:");
    const std::shared_ptr<LineStyle> lnsLineStyle =
        Add<LineStyle>("lnsLineStyle", {3720, 1320, 1560, 900});
    const std::shared_ptr<Label> Label3 = Add<Label>("Label3", {3720, 2340, 600, 195}, "Width:");
    const std::shared_ptr<ComboBox> cbxLineWidth =
        Add<ComboBox>("cbxLineWidth", {4380, 2280, 900, 300});
    const std::shared_ptr<Label> Label4 = Add<Label>("Label4", {3720, 2760, 600, 195}, "Colour:");
    const std::shared_ptr<ColorSelBox> csxLineColor =
        Add<ColorSelBox>("csxLineColor", {4380, 2700, 900, 315});

    // For hosts and tests: the colour index recorded for border n (-1
    // automatic) and the colour the diagram shows automatic borders in.
    int32_t BorderColorIndexOf(int32_t n) const { return m_alBorderColorIndex[Slot(n)]; }
    int32_t AutoColor() const { return m_lAutoColor; }

protected:
    void TakeSubTargets(ErrorTrap& trap) override;
    bool CanLoad() const override { return !m_oBorders.IsNothing(); }
    void LoadControls(ErrorTrap& trap) override;
    void ApplyControls(ErrorTrap& trap) override;

private:
    void InitBorderIndexes();
    // The position (1 to 8) of border index n, 0 when none.
    int16_t BorderPosition(int32_t n) const;
    size_t Slot(int32_t n) const { return static_cast<size_t>(BorderPosition(n)); }

    void LoadBorders() noexcept;
    void LoadBorder(int32_t n) noexcept;
    void SaveBorders() noexcept;
    void SaveBorder(int32_t n) noexcept;
    void RefreshButtons() noexcept;
    void RefreshButton(CheckBox& button, int32_t n) noexcept;
    void SetBorder(int32_t n, bool on);

    void OnToggle(const CheckBox& button, int32_t n);
    void OnBorderClick(int32_t n);
    void OnWidthClick();

    ObjectRef m_oBorders;
    // Positions 1 to 8; element 0 stands for "no position".
    std::array<int16_t, 9> m_anBorderIndex{};
    std::array<int32_t, 9> m_alBorderColorIndex{};
    int32_t m_lAutoColor = 0;
    bool m_bColorLoaded = false;
};

} // namespace vantor
