#include "vantor/ui/ComboBox.hpp"

namespace vantor {

int32_t ComboBox::AddItem(std::string text, int32_t data) {
    const int32_t index = m_items.Add(std::move(text));
    m_items.SetData(index, data);
    Changed();
    return index;
}

void ComboBox::RemoveItem(int32_t index) {
    m_items.Remove(index);
    if (index == m_nListIndex) {
        m_nListIndex = -1;
    } else if (index < m_nListIndex) {
        --m_nListIndex;
    }
    Changed();
}

void ComboBox::Clear() {
    m_items.Clear();
    m_nListIndex = -1;
    if (m_style == ComboStyle::DropDownList) {
        m_strText.clear();
    }
    Changed();
}

void ComboBox::SetListIndex(int32_t index) {
    if (index < -1 || index >= m_items.Count()) {
        throw AutomationError(err::InvalidPropertyValue);
    }
    if (index == m_nListIndex) {
        return;
    }
    m_nListIndex = index;
    m_strText = index >= 0 ? m_items.Text(index) : std::string();
    Changed();
    Raise(ev::Click);
}

void ComboBox::SetText(const std::string& text) {
    if (m_style == ComboStyle::DropDownList) {
        const int32_t index = m_items.Find(text);
        if (index < 0) {
            throw AutomationError(383, "'Text' property is read-only");
        }
        SetListIndex(index);
        return;
    }
    if (text == m_strText) {
        return;
    }
    m_strText = text;
    // The selection follows the text: the item that reads exactly so, or none.
    m_nListIndex = m_items.Find(text);
    Changed();
    Raise(ev::Change);
}

void ComboBox::UserSelect(int32_t index) {
    CheckUsable();
    SetListIndex(index);
}

void ComboBox::UserType(const std::string& text) {
    CheckUsable();
    if (m_style == ComboStyle::DropDownList) {
        throw AutomationError(err::InvalidCall, Name() + " takes no typing");
    }
    m_nListIndex = -1;
    if (text != m_strText) {
        m_strText = text;
        Changed();
        Raise(ev::Change);
    } else {
        Changed();
    }
}

const MemberTable<ComboBox>& ComboBox::Members() {
    static const MemberTable<ComboBox> table = [] {
        using T = MemberTable<ComboBox>;
        T t;
        t.Inherit(Control::Members());
        t.Property(
            "ListIndex", [](ComboBox& c, auto) { return Variant(c.ListIndex()); },
            [](ComboBox& c, auto, const Variant& v) { c.SetListIndex(v.ToLong()); });
        t.Property(
            "Text", [](ComboBox& c, auto) { return Variant(c.Text()); },
            [](ComboBox& c, auto, const Variant& v) { c.SetText(v.ToString()); });
        t.Property("ListCount", [](ComboBox& c, auto) { return Variant(c.ListCount()); });
        t.Property(
            "List", [](ComboBox& c, auto a) { return Variant(c.List(T::Arg(a, 0).ToLong())); },
            [](ComboBox& c, auto a, const Variant& v) { c.m_items.SetText(T::Arg(a, 0).ToLong(), v.ToString()); });
        t.Property(
            "ItemData", [](ComboBox& c, auto a) { return Variant(c.ItemData(T::Arg(a, 0).ToLong())); },
            [](ComboBox& c, auto a, const Variant& v) { c.m_items.SetData(T::Arg(a, 0).ToLong(), v.ToLong()); });
        t.Method("AddItem", [](ComboBox& c, auto a) {
            const int32_t index = a.size() > 1 ? a[1].ToLong() : -1;
            c.m_items.Add(T::Arg(a, 0).ToString(), index);
            if (index >= 0 && index <= c.m_nListIndex) {
                ++c.m_nListIndex;
            }
            c.Changed();
            return Variant();
        });
        t.Method("RemoveItem", [](ComboBox& c, auto a) {
            c.RemoveItem(T::Arg(a, 0).ToLong());
            return Variant();
        });
        t.Method("Clear", [](ComboBox& c, auto) {
            c.Clear();
            return Variant();
        });
        return t;
    }();
    return table;
}

} // namespace vantor
