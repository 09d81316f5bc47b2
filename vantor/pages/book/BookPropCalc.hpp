#pragma once
#include "vantor/framework/PropertyPage.hpp"
#include "vantor/ui/CheckBox.hpp"
#include "vantor/ui/ComboBox.hpp"
#include "vantor/ui/CommandButton.hpp"
#include "vantor/ui/CompartLine.hpp"
#include "vantor/ui/Label.hpp"
#include "vantor/ui/NumberEdit.hpp"
#include "vantor/ui/TextBox.hpp"

namespace vantor {

// How a workbook recalculates: the mode, iteration of circular references
// with its limit and maximum change, and a recalculation at once; and how it
// shows zeros and errors and whether numbers are kept as shown.
class BookPropCalc : public PropertyPage {
public:
    BookPropCalc();
    std::string ClassName() const override { return "BookPropCalc"; }

    static constexpr const char* PrecisionWarning =
        "Numbers will be rounded for good to the precision they are shown with.";

    // Refuses, with a message, a maximum change the workbook would refuse.
    int32_t ValidateData() noexcept override;

    const std::shared_ptr<Label> Label1 =
        Add<Label>("Label1", {120, 165, 1215, 195}, "Calculation:");
    const std::shared_ptr<ComboBox> cbxAutoRecalc =
        Add<ComboBox>("cbxAutoRecalc", {1380, 120, 1695, 300});
    const std::shared_ptr<CommandButton> cmdRecalc =
        Add<CommandButton>("cmdRecalc", {3240, 105, 1440, 345}, "Recalculate now");
    const std::shared_ptr<CompartLine> CompartLine1 =
        Add<CompartLine>("CompartLine1", {60, 570, 4680, 30});
    const std::shared_ptr<CheckBox> chkLoopCalc =
        Add<CheckBox>("chkLoopCalc", {120, 720, 3375, 255}, "Iterate circular references");
    const std::shared_ptr<Label> Label2 =
        Add<Label>("Label2", {360, 1110, 1815, 195}, "Maximum iterations:");
    const std::shared_ptr<NumberEdit> nbeLoopDegree =
        Add<NumberEdit>("nbeLoopDegree", {2280, 1065, 1215, 285});
    const std::shared_ptr<Label> Label3 =
        Add<Label>("Label3", {360, 1470, 1815, 195}, "Maximum change:");
    const std::shared_ptr<TextBox> txtLoopPrecision =
        Add<TextBox>("txtLoopPrecision", {2280, 1425, 1215, 285});
    const std::shared_ptr<CheckBox> chkShowZero =
        Add<CheckBox>("chkShowZero", {120, 1860, 2175, 255}, "Show zero values");
    const std::shared_ptr<CheckBox> chkShowError =
        Add<CheckBox>("chkShowError", {2400, 1860, 2295, 255}, "Show error values");
    const std::shared_ptr<CheckBox> chkUseDisplay =
        Add<CheckBox>("chkUseDisplay", {120, 2220, 4455, 255}, "Precision as displayed");

protected:
    void LoadControls(ErrorTrap& trap) override;
    void ApplyControls(ErrorTrap& trap) override;

private:
    void EnableIterationLimits();
};

} // namespace vantor
