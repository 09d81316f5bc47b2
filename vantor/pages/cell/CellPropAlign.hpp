#pragma once
#include "vantor/framework/PropertyPage.hpp"
#include "vantor/ui/CheckBox.hpp"
#include "vantor/ui/ComboBox.hpp"
#include "vantor/ui/Label.hpp"

#include <memory>

namespace vantor {

// The alignment tab of the cell format dialog: horizontal and vertical
// alignment, text wrapping and shrinking to fit of the selected cells.
// Turning wrapping on fits the row heights after the apply.
class CellPropAlign : public PropertyPage {
public:
    CellPropAlign();
    std::string ClassName() const override { return "CellPropAlign"; }

    int32_t OnApply() noexcept override;

    // The form design (positions in twips).
    const std::shared_ptr<Label> Label1 =
        Add<Label>("Label1", {120, 180, 1335, 195}, "Horizontal:");
    const std::shared_ptr<ComboBox> cbxHorizonAlign =
        Add<ComboBox>("cbxHorizonAlign", {1500, 120, 1335, 300});
    const std::shared_ptr<Label> Label2 = Add<Label>("Label2", {120, 600, 1335, 195}, "Vertical:");
    const std::shared_ptr<ComboBox> cbxVerticalAlign =
        Add<ComboBox>("cbxVerticalAlign", {1500, 540, 1335, 300});
    const std::shared_ptr<CheckBox> chkAutoNewLine =
        Add<CheckBox>("chkAutoNewLine", {120, 1020, 2175, 255}, "Wrap text");
    const std::shared_ptr<CheckBox> chkAutoDrecreaseFont =
        Add<CheckBox>("chkAutoDrecreaseFont", {300, 1320, 3015, 255}, "Shrink text to fit");

protected:
    void LoadControls(ErrorTrap& trap) override;
    void ApplyControls(ErrorTrap& trap) override;
};

} // namespace vantor
