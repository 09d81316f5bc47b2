#include "vantor/ui/ListBox.hpp"

#include "vantor/ui/ControlDescription.hpp"

namespace vantor {

std::string ListBox::Text() const { return ListIndex() >= 0 ? List(ListIndex()) : std::string(); }

void ListBox::Describe(ControlDescription& description) const {
    description.Add("index", Variant(ListIndex()));
    description.Add("text", Variant(Text()));
    description.Add("items", Variant(ListCount()));
}

const MemberTable<ListBox>& ListBox::Members() {
    static const MemberTable<ListBox> table = [] {
        MemberTable<ListBox> t;
        t.Inherit(ListControl::Members());
        t.Property("Text", [](ListBox& c, auto) { return Variant(c.Text()); });
        return t;
    }();
    return table;
}

} // namespace vantor
