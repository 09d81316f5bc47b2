#pragma once
#include "vantor/ui/Control.hpp"
#include "vantor/ui/ListItems.hpp"

namespace vantor {

enum class ComboStyle {
    DropDownCombo = 0, // an edit field with a drop-down list
    Simple = 1,        // an edit field above an always-open list
    DropDownList = 2,  // a drop-down list only, no typing
};

// A combo box. Selecting an item (by code or by the user) raises Click and
// puts the item's text in the edit field; a change of the text by typing or
// by code raises Change.
class ComboBox : public DispatchObject<ComboBox, Control> {
public:
    using DispatchObject::DispatchObject;
    std::string Kind() const override { return "ComboBox"; }

    ComboStyle Style() const { return m_style; }
    void SetStyle(ComboStyle style) { m_style = style; }

    ListItems& Items() { return m_items; }
    const ListItems& Items() const { return m_items; }
    int32_t AddItem(std::string text, int32_t data = 0);
    void RemoveItem(int32_t index);
    // Empties the list and the selection without raising events.
    void Clear();
    int32_t ListCount() const { return m_items.Count(); }
    int32_t ItemData(int32_t index) const { return m_items.Data(index); }
    const std::string& List(int32_t index) const { return m_items.Text(index); }

    int32_t ListIndex() const { return m_nListIndex; }
    // -1 selects nothing; 380 outside -1 .. ListCount-1.
    void SetListIndex(int32_t index);

    const std::string& Text() const { return m_strText; }
    // In a drop-down list the text selects the item that has it (383 when
    // none has); in an edit field it is the field's text.
    void SetText(const std::string& text);

    void UserSelect(int32_t index);
    // Typing replaces the field's text; the list selection is dropped.
    void UserType(const std::string& text);

    static const MemberTable<ComboBox>& Members();

private:
    ComboStyle m_style = ComboStyle::DropDownList;
    ListItems m_items;
    int32_t m_nListIndex = -1;
    std::string m_strText;
};

} // namespace vantor
