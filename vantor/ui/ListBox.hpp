#pragma once
#include "vantor/Export.h"
#include "vantor/ui/ListControl.hpp"

#include <vector>

namespace vantor {

// How a list box shows its items: plain, or each with a check box.
enum class ListStyle { Standard, CheckBox };

// A list box with one selection; selecting an item raises Click. In the
// check-box style each item also has a tick ("Selected"), which the user
// turns over with UserCheck; a change of a tick raises ItemCheck (the item's index).
class VANTOR_API ListBox : public DispatchObject<ListBox, ListControl> {
public:
    static constexpr int ItemCheck = 105;

    using DispatchObject::DispatchObject;
    std::string Kind() const override { return "ListBox"; }

    ListStyle Style() const { return m_style; }
    void SetStyle(ListStyle style);
    bool Selected(int32_t index) const;
    // 380 for an index outside the list.
    void SetSelected(int32_t index, bool on);
    void UserCheck(int32_t index) override;
    void Clear() override;

    // The selected item's text, "" when none is selected.
    std::string Text() const;

    Variant CurrentValue() const override { return Variant(ListIndex()); }
    void Describe(ControlDescription& description) const override;

    static const MemberTable<ListBox>& Members();

private:
    ListStyle m_style = ListStyle::Standard;
    std::vector<bool> m_checked;
};

} // namespace vantor
