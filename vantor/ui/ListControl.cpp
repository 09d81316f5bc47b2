#include "vantor/ui/ListControl.hpp"

namespace vantor {

int32_t ListControl::AddItem(std::string text, int32_t data, int32_t index) {
    index = m_items.Add(std::move(text), index);
    m_items.SetData(index, data);
    if (index <= m_nListIndex) {
        ++m_nListIndex;
    }
    Changed();
    return index;
}

void ListControl::RemoveItem(int32_t index) {
    m_items.Remove(index);
    if (index == m_nListIndex) {
        m_nListIndex = -1;
    } else if (index < m_nListIndex) {
        --m_nListIndex;
    }
    Changed();
}

void ListControl::Clear() {
    m_items.Clear();
    m_nListIndex = -1;
    Changed();
}

void ListControl::SetListIndex(int32_t index) {
    if (index < -1 || index >= m_items.Count()) {
        throw AutomationError(err::InvalidPropertyValue);
    }
    if (index == m_nListIndex) {
        return;
    }
    m_nListIndex = index;
    ShowSelection();
    Changed();
    Raise(ev::Click);
}

void ListControl::UserSelect(int32_t index) {
    CheckUsable();
    SetListIndex(index);
}

const MemberTable<ListControl>& ListControl::Members() {
    static const MemberTable<ListControl> table = [] {
        using T = MemberTable<ListControl>;
        T t;
        t.Inherit(Control::Members());
        t.Property(
            "ListIndex", [](ListControl& c, auto) { return Variant(c.ListIndex()); },
            [](ListControl& c, auto, const Variant& v) { c.SetListIndex(v.ToLong()); });
        t.Property("ListCount", [](ListControl& c, auto) { return Variant(c.ListCount()); });
        t.Property(
            "List", [](ListControl& c, auto a) { return Variant(c.List(T::Arg(a, 0).ToLong())); },
            [](ListControl& c, auto a, const Variant& v) {
                c.m_items.SetText(T::Arg(a, 0).ToLong(), v.ToString());
                c.Changed();
            });
        t.Property(
            "ItemData", [](ListControl& c, auto a) { return Variant(c.ItemData(T::Arg(a, 0).ToLong())); },
            [](ListControl& c, auto a, const Variant& v) { c.m_items.SetData(T::Arg(a, 0).ToLong(), v.ToLong()); });
        t.Method("AddItem", [](ListControl& c, auto a) {
            c.AddItem(T::Arg(a, 0).ToString(), 0, a.size() > 1 ? a[1].ToLong() : -1);
            return Variant();
        });
        t.Method("RemoveItem", [](ListControl& c, auto a) {
            c.RemoveItem(T::Arg(a, 0).ToLong());
            return Variant();
        });
        t.Method("Clear", [](ListControl& c, auto) {
            c.Clear();
            return Variant();
        });
        return t;
    }();
    return table;
}

} // namespace vantor
