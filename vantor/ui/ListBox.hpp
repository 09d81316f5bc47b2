#pragma once
#include "vantor/ui/ListControl.hpp"

namespace vantor {

// A list box with one selection; selecting an item raises Click.
class ListBox : public DispatchObject<ListBox, ListControl> {
public:
    using DispatchObject::DispatchObject;
    std::string Kind() const override { return "ListBox"; }

    // The selected item's text, "" when none is selected.
    std::string Text() const;

    Variant CurrentValue() const override { return Variant(ListIndex()); }
    void Describe(ControlDescription& description) const override;

    static const MemberTable<ListBox>& Members();
};

} // namespace vantor
