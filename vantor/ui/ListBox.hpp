#pragma once
#include "vantor/ui/Control.hpp"
#include "vantor/ui/ListItems.hpp"

namespace vantor {

// A list box with one selection; selecting an item raises Click.
class ListBox : public DispatchObject<ListBox, Control> {
public:
    using DispatchObject::DispatchObject;
    std::string Kind() const override { return "ListBox"; }

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
    // The selected item's text, "" when none is selected.
    std::string Text() const;

    void UserSelect(int32_t index);

    static const MemberTable<ListBox>& Members();

private:
    ListItems m_items;
    int32_t m_nListIndex = -1;
};

} // namespace vantor
