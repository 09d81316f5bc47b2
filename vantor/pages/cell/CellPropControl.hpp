#pragma once
#include "vantor/framework/PropertyPage.hpp"
#include "vantor/ui/CheckBox.hpp"
#include "vantor/ui/Frame.hpp"
#include "vantor/ui/Label.hpp"
#include "vantor/ui/ListBox.hpp"

#include <memory>
#include <string>
#include <vector>

namespace vantor {

// The kind of embedded control the selected cells carry, out of the kinds
// the application offers, or none; with the kind's description and whether
// the control hides while its cell is not active.
class CellPropControl : public PropertyPage {
public:
    CellPropControl();
    std::string ClassName() const override { return "CellPropControl"; }

    // The form design (positions in twips).
    const std::shared_ptr<Label> Label1 = Add<Label>("Label1", {120, 120, 1800, 195}, "Control:");
    const std::shared_ptr<ListBox> lstControl = Add<ListBox>("lstControl", {120, 360, 1800, 1560});
    const std::shared_ptr<Frame> frmDescription =
        Add<Frame>("frmDescription", {2040, 300, 2400, 1260}, "Description");
    const std::shared_ptr<Label> lblDescription =
        Add<Label>("lblDescription", {120, 240, 2160, 900}, "", "frmDescription");
    const std::shared_ptr<CheckBox> chkHideOnDeactive = Add<CheckBox>(
        "chkHideOnDeactive", {2040, 1680, 2400, 255}, "Hide when the cell is not active");

    // The text of the none entry and the description shown for it.
    static constexpr const char* NoneEntry = "(None)";
    static constexpr const char* NoneDescription = "The cell carries no control.";

    // The kinds' names by list position; position i > 0 is entry i - 1.
    const std::vector<std::string>& ControlNames() const { return m_astrControlNames; }

protected:
    void LoadControls(ErrorTrap& trap) override;
    void ApplyControls(ErrorTrap& trap) override;

private:
    // Shows one kind (by name; empty or blank for none) as the current one.
    void LoadSettingControl(const std::string& strName) noexcept;
    void OnListClick();

    std::vector<std::string> m_astrControlNames;
};

} // namespace vantor
