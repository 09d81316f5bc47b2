#pragma once
#include "vantor/framework/PropertyPage.hpp"
#include "vantor/ui/ColorSelBox.hpp"
#include "vantor/ui/ComboBox.hpp"
#include "vantor/ui/CompartLine.hpp"
#include "vantor/ui/Label.hpp"

#include <memory>

namespace vantor {

// The fill of the selected cells: background colour, pattern and pattern
// colour, all on the target's "Interior". Picking a background colour over
// no pattern switches to a solid fill; a solid fill takes the automatic
// pattern colour.
class CellPropBackGround : public PropertyPage {
public:
    CellPropBackGround();
    std::string ClassName() const override { return "CellPropBackGround"; }

    // The form design (positions in twips).
    const std::shared_ptr<Label> Label1 =
        Add<Label>("Label1", {120, 180, 1500, 195}, "Background colour:");
    const std::shared_ptr<ColorSelBox> csxBackColor =
        Add<ColorSelBox>("csxBackColor", {1740, 120, 1455, 315});
    const std::shared_ptr<CompartLine> CompartLine1 =
        Add<CompartLine>("CompartLine1", {120, 600, 3600, 30});
    const std::shared_ptr<Label> Label2 = Add<Label>("Label2", {120, 780, 1500, 195}, "Pattern:");
    const std::shared_ptr<ComboBox> cbxPatternStyle =
        Add<ComboBox>("cbxPatternStyle", {1740, 720, 1980, 300});
    const std::shared_ptr<Label> Label3 =
        Add<Label>("Label3", {120, 1200, 1500, 195}, "Pattern colour:");
    const std::shared_ptr<ColorSelBox> csxPatternColor =
        Add<ColorSelBox>("csxPatternColor", {1740, 1140, 1455, 315});
    const std::shared_ptr<CompartLine> CompartLine2 =
        Add<CompartLine>("CompartLine2", {120, 1620, 3600, 30});

protected:
    void LoadControls(ErrorTrap& trap) override;
    void ApplyControls(ErrorTrap& trap) override;

private:
    void OnBackColorPicked();
    void OnPatternClick();
};

} // namespace vantor
