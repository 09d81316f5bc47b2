#pragma once
#include "vantor/Export.h"
#include "vantor/ui/Control.hpp"
#include "vantor/ui/ListItems.hpp"

namespace vantor {

// What a list box and a combo box share: the items and the selection of one
// of them. Selecting an item (by code or by the user) raises Click.
class VANTOR_API ListControl : public Control {
public:
    using Control::Control;

    const ListItems* Items() const override { return &m_items; }
    // Inserts at index (-1 appends) and returns the new item's index; the
    // selection stays on its item.
    int32_t AddItem(std::string text, int32_t data = 0, int32_t index = -1);
    void RemoveItem(int32_t index);
    // Empties the list and the selection without raising events.
    virtual void Clear();
    int32_t ListCount() const { return m_items.Count(); }
    int32_t ItemData(int32_t index) const { return m_items.Data(index); }
    const std::string& List(int32_t index) const { return m_items.Text(index); }

    int32_t ListIndex() const { return m_nListIndex; }
    // -1 selects nothing; 380 outside -1 .. ListCount-1.
    void SetListIndex(int32_t index);

    void UserSelect(int32_t index) override;

    static const MemberTable<ListControl>& Members();

protected:
    // Called when the selection changed, before the view hears of it.
    virtual void ShowSelection() {}
    // Moves the selection without events, for a change of the text that
    // already raises its own.
    void MarkSelected(int32_t index) { m_nListIndex = index; }

private:
    ListItems m_items;
    int32_t m_nListIndex = -1;
};

} // namespace vantor
