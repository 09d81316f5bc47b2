#pragma once
#include "vantor/Export.h"
#include "vantor/ui/ListControl.hpp"

namespace vantor {

enum class ComboStyle {
    DropDownCombo = 0, // an edit field with a drop-down list
    Simple = 1,        // an edit field above an always-open list
    DropDownList = 2,  // a drop-down list only, no typing
};

// A combo box. Selecting an item (by code or by the user) raises Click and
// puts the item's text in the edit field; a change of the text by typing or
// by code raises Change.
class VANTOR_API ComboBox : public DispatchObject<ComboBox, ListControl> {
public:
    using DispatchObject::DispatchObject;
    std::string Kind() const override { return "ComboBox"; }

    ComboStyle Style() const { return m_style; }
    void SetStyle(ComboStyle style) { m_style = style; }

    // A drop-down list also loses its text.
    void Clear() override;

    const std::string& Text() const { return m_strText; }
    // In a drop-down list the text selects the item that has it (383 when
    // none has); in an edit field it is the field's text.
    void SetText(const std::string& text);

    // Typing replaces the field's text; the list selection is dropped.
    void UserType(const std::string& text) override;

    // The field's text; in a drop-down list, which has no field, the selected item.
    Variant CurrentValue() const override;
    void Describe(ControlDescription& description) const override;

    static const MemberTable<ComboBox>& Members();

private:
    void ShowSelection() override;

    ComboStyle m_style = ComboStyle::DropDownList;
    std::string m_strText;
};

} // namespace vantor
