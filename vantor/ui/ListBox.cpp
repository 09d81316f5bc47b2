#include "vantor/ui/ListBox.hpp"

#include "vantor/ui/ControlDescription.hpp"

namespace vantor {

std::string ListBox::Text() const { return ListIndex() >= 0 ? List(ListIndex()) : std::string(); }

void ListBox::SetStyle(ListStyle style) {
    m_style = style;
    Changed();
}

bool ListBox::Selected(int32_t index) const {
    if (index < 0 || index >= ListCount()) {
        throw AutomationError(err::InvalidPropertyValue);
    }
    return static_cast<size_t>(index) < m_checked.size() && m_checked[static_cast<size_t>(index)];
}

void ListBox::SetSelected(int32_t index, bool on) {
    if (Selected(index) == on) {
        return;
    }
    m_checked.resize(static_cast<size_t>(ListCount()), false);
    m_checked[static_cast<size_t>(index)] = on;
    Changed();
    Raise(ItemCheck, {Variant(index)});
}

void ListBox::UserCheck(int32_t index) {
    if (m_style != ListStyle::CheckBox) {
        Refuse("check");
    }
    CheckUsable();
    SetSelected(index, !Selected(index));
}

void ListBox::Clear() {
    m_checked.clear();
    ListControl::Clear();
}

void ListBox::Describe(ControlDescription& description) const {
    description.Add("index", Variant(ListIndex()));
    description.Add("text", Variant(Text()));
    description.Add("items", Variant(ListCount()));
    if (m_style == ListStyle::CheckBox) {
        // One mark per item, "x" ticked and "-" not: "xx-x---".
        std::string ticks;
        for (int32_t i = 0; i < ListCount(); ++i) {
            ticks += Selected(i) ? 'x' : '-';
        }
        description.AddText("checked", ticks);
    }
}

const MemberTable<ListBox>& ListBox::Members() {
    static const MemberTable<ListBox> table = [] {
        MemberTable<ListBox> t;
        t.Inherit(ListControl::Members());
        t.Property("Text", [](ListBox& c, auto) { return Variant(c.Text()); });
        t.Property(
            "Selected",
            [](ListBox& c, auto a) {
                return Variant(c.Selected(MemberTable<ListBox>::Arg(a, 0).ToLong()));
            },
            [](ListBox& c, auto a, const Variant& v) {
                c.SetSelected(MemberTable<ListBox>::Arg(a, 0).ToLong(), v.ToBool());
            });
        return t;
    }();
    return table;
}

} // namespace vantor
