#pragma once
#include "vantor/framework/PropertyPage.hpp"

namespace vantor {

// The defaults tab of the worksheet dialog: it has its title and its place
// in the dialog, and nothing to edit yet.
class SheetPropDefault : public PropertyPage {
public:
    SheetPropDefault() : PropertyPage(LogTags::Word("Default"), PageCounter::None, "Defaults", {0, 0, 3450, 1665}) {}
    std::string ClassName() const override { return "SheetPropDefault"; }

protected:
    void LoadControls(ErrorTrap&) override {}
    void ApplyControls(ErrorTrap&) override {}
};

} // namespace vantor
