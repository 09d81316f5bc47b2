#include "vantor/ui/ListBox.hpp"

namespace vantor {

int32_t ListBox::AddItem(std::string text, int32_t data) {
    const int32_t index = m_items.Add(std::move(text));
    m_items.SetData(index, data);
    Changed();
    return index;
}

void ListBox::RemoveItem(int32_t index) {
    m_items.Remove(index);
    if (index == m_nListIndex) {
        m_nListIndex = -1;
    } else if (index < m_nListIndex) {
        --m_nListIndex;
    }
    Changed();
}

void ListBox::Clear() {
    m_items.Clear();
    m_nListIndex = -1;
    Changed();
}

void ListBox::SetListIndex(int32_t index) {
    if (index < -1 || index >= m_items.Count()) {
        throw AutomationError(err::InvalidPropertyValue);
    }
    if (index == m_nListIndex) {
        return;
    }
    m_nListIndex = index;
    Changed();
    Raise(ev::Click);
}

std::string ListBox::Text() const { return m_nListIndex >= 0 ? m_items.Text(m_nListIndex) : std::string(); }

void ListBox::UserSelect(int32_t index) {
    CheckUsable();
    SetListIndex(index);
}

const MemberTable<ListBox>& ListBox::Members() {
    static const MemberTable<ListBox> table = [] {
        using T = MemberTable<ListBox>;
        T t;
        t.Inherit(Control::Members());
        t.Property(
            "ListIndex", [](ListBox& c, auto) { return Variant(c.ListIndex()); },
            [](ListBox& c, auto, const Variant& v) { c.SetListIndex(v.ToLong()); });
        t.Property("Text", [](ListBox& c, auto) { return Variant(c.Text()); });
        t.Property("ListCount", [](ListBox& c, auto) { return Variant(c.ListCount()); });
        t.Property("List", [](ListBox& c, auto a) { return Variant(c.List(T::Arg(a, 0).ToLong())); });
        t.Property(
            "ItemData", [](ListBox& c, auto a) { return Variant(c.ItemData(T::Arg(a, 0).ToLong())); },
            [](ListBox& c, auto a, const Variant& v) { c.m_items.SetData(T::Arg(a, 0).ToLong(), v.ToLong()); });
        t.Method("AddItem", [](ListBox& c, auto a) {
            c.AddItem(T::Arg(a, 0).ToString());
            return Variant();
        });
        t.Method("Clear", [](ListBox& c, auto) {
            c.Clear();
            return Variant();
        });
        return t;
    }();
    return table;
}

} // namespace vantor
