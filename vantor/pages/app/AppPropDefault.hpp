#pragma once
#include "vantor/framework/PropertyPage.hpp"
#include "vantor/ui/CheckBox.hpp"
#include "vantor/ui/ColorSelBox.hpp"
#include "vantor/ui/CompartLine.hpp"
#include "vantor/ui/Label.hpp"
#include "vantor/ui/NumberEdit.hpp"

namespace vantor {

// Defaults of new workbooks: the number of sheets, and whether their sheets
// show gridlines and in which colour.
class AppPropDefault : public PropertyPage {
public:
    AppPropDefault();
    std::string ClassName() const override { return "AppPropDefault"; }

    const std::shared_ptr<Label> Label1 =
        Add<Label>("Label1", {120, 120, 2415, 195}, "New workbooks");
    const std::shared_ptr<CompartLine> CompartLine1 =
        Add<CompartLine>("CompartLine1", {1680, 210, 2520, 30});
    const std::shared_ptr<Label> Label2 =
        Add<Label>("Label2", {240, 450, 2415, 195}, "Number of sheets:");
    const std::shared_ptr<NumberEdit> nbeSheetCount =
        Add<NumberEdit>("nbeSheetCount", {2760, 405, 915, 285});
    const std::shared_ptr<Label> Label4 =
        Add<Label>("Label4", {3720, 450, 555, 195}, "(1-255)");
    const std::shared_ptr<Label> Label5 =
        Add<Label>("Label5", {2760, 870, 1455, 195});
    const std::shared_ptr<CheckBox> chkShowGrid =
        Add<CheckBox>("chkShowGrid", {240, 870, 2415, 255}, "Show gridlines");
    const std::shared_ptr<Label> Label3 =
        Add<Label>("Label3", {480, 1275, 2175, 195}, "Gridline colour:");
    const std::shared_ptr<ColorSelBox> csxGridColor =
        Add<ColorSelBox>("csxGridColor", {2760, 1215, 1155, 315});

protected:
    void LoadControls(ErrorTrap& trap) override;
    void ApplyControls(ErrorTrap& trap) override;
};

} // namespace vantor
