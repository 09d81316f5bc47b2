#pragma once
#include "vantor/automation/MemberTable.hpp"

#include <memory>
#include <vector>

namespace vantor::model {

class Worksheet;

// Several sheets as one target: a view setting reads Null where the sheets
// differ, and a write goes to every sheet (Null keeps each sheet's own).
class SheetSelection : public DispatchObject<SheetSelection> {
public:
    explicit SheetSelection(std::vector<std::shared_ptr<Worksheet>> sheets);

    static const MemberTable<SheetSelection>& Members();
    std::string TypeName() const override { return "Sheets"; }
    std::string DisplayName() const override;
    std::vector<Variant> Enumerate() override;

    const std::vector<std::shared_ptr<Worksheet>>& Sheets() const { return m_sheets; }

private:
    // Raises 1004 when hiding the selected sheets would leave none visible.
    void CheckSomeSheetStaysVisible() const;

    std::vector<std::shared_ptr<Worksheet>> m_sheets;
};

} // namespace vantor::model
