#include "vantor/ui/ComboBox.hpp"

#include "vantor/ui/ControlDescription.hpp"

namespace vantor {

void ComboBox::Clear() {
    if (m_style == ComboStyle::DropDownList) {
        m_strText.clear();
    }
    ListControl::Clear();
}

void ComboBox::ShowSelection() { m_strText = ListIndex() >= 0 ? List(ListIndex()) : std::string(); }

void ComboBox::SetText(const std::string& text) {
    if (m_style == ComboStyle::DropDownList) {
        const int32_t index = Items()->Find(text);
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
    MarkSelected(Items()->Find(text));
    Changed();
    Raise(ev::Change);
}

void ComboBox::UserType(const std::string& text) {
    CheckUsable();
    if (m_style == ComboStyle::DropDownList) {
        throw AutomationError(err::InvalidCall, Name() + " takes no typing");
    }
    MarkSelected(-1);
    if (text != m_strText) {
        m_strText = text;
        Changed();
        Raise(ev::Change);
    } else {
        Changed();
    }
}

Variant ComboBox::CurrentValue() const {
    return m_style == ComboStyle::DropDownList ? Variant(ListIndex()) : Variant(m_strText);
}

void ComboBox::Describe(ControlDescription& description) const {
    description.Add("index", Variant(ListIndex()));
    description.Add("text", Variant(m_strText));
    description.Add("items", Variant(ListCount()));
}

const MemberTable<ComboBox>& ComboBox::Members() {
    static const MemberTable<ComboBox> table = [] {
        MemberTable<ComboBox> t;
        t.Inherit(ListControl::Members());
        t.Property(
            "Text", [](ComboBox& c, auto) { return Variant(c.Text()); },
            [](ComboBox& c, auto, const Variant& v) { c.SetText(v.ToString()); });
        return t;
    }();
    return table;
}

} // namespace vantor
