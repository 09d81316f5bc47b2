#pragma once
#include "vantor/framework/PropertyPage.hpp"
#include "vantor/ui/CheckBox.hpp"
#include "vantor/ui/Label.hpp"
#include "vantor/ui/TextBox.hpp"

#include <memory>

namespace vantor {

// The note, the read-only mark and the merging of the selected cells. The
// target is the cell range itself: its writes take effect at once, without "Apply".
class CellPropOther : public PropertyPage {
public:
    CellPropOther();
    std::string ClassName() const override { return "CellPropOther"; }

    static constexpr const char* MergeQuestion =
        "Merging the cells keeps only the upper-left value visible; the other values stay in "
        "their cells, hidden until the cells are unmerged.";

    // The form design (positions in twips).
    const std::shared_ptr<Label> Label1 = Add<Label>("Label1", {180, 120, 1575, 255}, "Note:");
    const std::shared_ptr<TextBox> txtMarkText = Add<TextBox>("txtMarkText", {360, 360, 3435, 315});
    const std::shared_ptr<CheckBox> chkReadOnly =
        Add<CheckBox>("chkReadOnly", {180, 840, 1995, 255}, "Read-only");
    const std::shared_ptr<CheckBox> chkMergeCells =
        Add<CheckBox>("chkMergeCells", {1320, 1080, 2235, 255}, "Merge cells");

protected:
    void LoadControls(ErrorTrap& trap) override;
    void ApplyControls(ErrorTrap& trap) override;
};

} // namespace vantor
