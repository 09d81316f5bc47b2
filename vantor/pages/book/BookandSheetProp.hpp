#pragma once
#include "vantor/framework/PropertyPage.hpp"
#include "vantor/ui/CheckBox.hpp"
#include "vantor/ui/ColorSelBox.hpp"
#include "vantor/ui/ComboBox.hpp"
#include "vantor/ui/CommandButton.hpp"
#include "vantor/ui/CompartLine.hpp"
#include "vantor/ui/Frame.hpp"
#include "vantor/ui/Label.hpp"
#include "vantor/ui/NumberEdit.hpp"
#include "vantor/ui/OptionButton.hpp"
#include "vantor/ui/TextBox.hpp"

namespace vantor {

// The view and calculation settings of the active workbook and the view
// settings of the active worksheet on one page. The target is the
// application; the workbook and the sheet are taken from it once.
class BookandSheetProp : public PropertyPage {
public:
    BookandSheetProp();
    std::string ClassName() const override { return "BookandSheetProp"; }

    // Refuses, with a message, a maximum change the workbook would refuse.
    int32_t ValidateData() noexcept override;

    const std::shared_ptr<Label> Label1 = Add<Label>("Label1", {120, 120, 1095, 195}, "Workbook");
    const std::shared_ptr<CompartLine> CompartLine1 =
        Add<CompartLine>("CompartLine1", {1260, 210, 4620, 30});
    const std::shared_ptr<CheckBox> chkShowZero =
        Add<CheckBox>("chkShowZero", {240, 390, 2535, 255}, "Show zero values");
    const std::shared_ptr<CheckBox> chkShowError =
        Add<CheckBox>("chkShowError", {3000, 390, 2535, 255}, "Show error values");
    const std::shared_ptr<Label> Label2 =
        Add<Label>("Label2", {240, 780, 1215, 195}, "Calculation:");
    const std::shared_ptr<ComboBox> cbxAutoRecalc =
        Add<ComboBox>("cbxAutoRecalc", {1500, 735, 1695, 300});
    const std::shared_ptr<CommandButton> cmdRecalc =
        Add<CommandButton>("cmdRecalc", {3420, 720, 1560, 345}, "Recalculate now");
    const std::shared_ptr<CompartLine> CompartLine3 =
        Add<CompartLine>("CompartLine3", {240, 1095, 5640, 30});
    const std::shared_ptr<CheckBox> chkLoopCalc =
        Add<CheckBox>("chkLoopCalc", {240, 1170, 3375, 255}, "Iterate circular references");
    const std::shared_ptr<Label> Label3 =
        Add<Label>("Label3", {480, 1545, 1815, 195}, "Maximum iterations:");
    const std::shared_ptr<NumberEdit> nbeLoopDegree =
        Add<NumberEdit>("nbeLoopDegree", {2400, 1500, 1215, 285});
    const std::shared_ptr<Label> Label7 =
        Add<Label>("Label7", {3720, 1545, 2160, 195}, "(1 to 32767)");
    const std::shared_ptr<Label> Label4 =
        Add<Label>("Label4", {480, 1905, 1815, 195}, "Maximum change:");
    const std::shared_ptr<TextBox> txtLoopPrecision =
        Add<TextBox>("txtLoopPrecision", {2400, 1860, 1215, 285});
    const std::shared_ptr<Label> Label8 =
        Add<Label>("Label8", {3720, 1905, 2160, 195}, "(0 or more)");
    const std::shared_ptr<CompartLine> CompartLine4 =
        Add<CompartLine>("CompartLine4", {240, 2220, 5640, 30});
    const std::shared_ptr<Frame> CommentModeGroup =
        Add<Frame>("CommentModeGroup", {240, 2310, 5640, 615}, "Comments");
    const std::shared_ptr<OptionButton> optCommentMode_None =
        Add<OptionButton>("optCommentMode_None", {120, 270, 1335, 255}, "None", "CommentModeGroup");
    const std::shared_ptr<OptionButton> optCommentMode_Mark = Add<OptionButton>(
        "optCommentMode_Mark", {1560, 270, 1695, 255}, "Indicator only", "CommentModeGroup");
    const std::shared_ptr<OptionButton> optCommentMode_Both = Add<OptionButton>(
        "optCommentMode_Both", {3360, 270, 2175, 255}, "Comment and indicator", "CommentModeGroup");
    const std::shared_ptr<Label> Label5 = Add<Label>("Label5", {120, 3105, 1095, 195}, "Worksheet");
    const std::shared_ptr<CompartLine> CompartLine2 =
        Add<CompartLine>("CompartLine2", {1260, 3195, 4620, 30});
    const std::shared_ptr<CheckBox> chkShowHeader =
        Add<CheckBox>("chkShowHeader", {240, 3375, 2655, 255}, "Row and column headings");
    const std::shared_ptr<CheckBox> chkShowGrid =
        Add<CheckBox>("chkShowGrid", {3000, 3375, 2535, 255}, "Gridlines");
    const std::shared_ptr<Label> Label6 = Add<Label>("Label6", {3240, 3780, 1215, 195}, "Colour:");
    const std::shared_ptr<ColorSelBox> csxGridColor =
        Add<ColorSelBox>("csxGridColor", {4320, 3720, 1155, 315});

protected:
    void TakeSubTargets(ErrorTrap& trap) override;
    bool CanLoad() const override { return !m_oBook.IsNothing() && !m_oSheet.IsNothing(); }
    void LoadControls(ErrorTrap& trap) override;
    void ApplyControls(ErrorTrap& trap) override;

private:
    void EnableIterationLimits();

    // The application's active workbook and active sheet.
    ObjectRef m_oBook;
    ObjectRef m_oSheet;
};

} // namespace vantor
