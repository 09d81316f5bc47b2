#pragma once
#include "vantor/framework/PropertyPage.hpp"
#include "vantor/ui/CheckBox.hpp"
#include "vantor/ui/ColorSelBox.hpp"
#include "vantor/ui/CompartLine.hpp"
#include "vantor/ui/Label.hpp"
#include "vantor/ui/NumberEdit.hpp"

namespace vantor {

// The view tab of the worksheet dialog: headings, gridlines and their colour,
// and the frozen rows and columns of the sheets.
class SheetPropView : public PropertyPage {
public:
    SheetPropView();
    std::string ClassName() const override { return "SheetPropView"; }

    const std::shared_ptr<CheckBox> chkShowGrid =
        Add<CheckBox>("chkShowGrid", {660, 225, 1515, 255}, "Gridlines");
    const std::shared_ptr<CheckBox> chkShowHeader =
        Add<CheckBox>("chkShowHeader", {2355, 225, 1995, 255}, "Row and column headings");
    const std::shared_ptr<Label> Label4 =
        Add<Label>("Label4", {390, 585, 1155, 195}, "Gridline colour:");
    const std::shared_ptr<ColorSelBox> csxGridColor =
        Add<ColorSelBox>("csxGridColor", {1740, 510, 1155, 315});
    const std::shared_ptr<NumberEdit> nbeRowNumber =
        Add<NumberEdit>("nbeRowNumber", {510, 945, 795, 255});
    const std::shared_ptr<Label> Label1 = Add<Label>("Label1", {1740, 930, 1095, 195}, "rows and");
    const std::shared_ptr<Label> Label2 = Add<Label>("Label2", {2880, 930, 1095, 195}, "columns:");
    const std::shared_ptr<NumberEdit> nbeColNumber =
        Add<NumberEdit>("nbeColNumber", {4020, 900, 795, 255});
    const std::shared_ptr<CompartLine> CompartLine1 =
        Add<CompartLine>("CompartLine1", {1140, 1260, 3735, 30});
    const std::shared_ptr<CheckBox> chkFixRowCol =
        Add<CheckBox>("chkFixRowCol", {285, 1680, 2535, 255}, "Freeze rows and columns");

protected:
    void LoadControls(ErrorTrap& trap) override;
    void ApplyControls(ErrorTrap& trap) override;

private:
    void EnableRowCol();
};

} // namespace vantor
