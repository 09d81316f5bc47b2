#include "vantor/ui/TextBox.hpp"

#include "vantor/automation/TextFunctions.hpp"
#include "vantor/ui/ControlDescription.hpp"

#include <algorithm>

namespace vantor {

int32_t TextBox::Length() const { return static_cast<int32_t>(CharCount(m_strText)); }

void TextBox::SetText(const std::string& text) {
    if (text == m_strText) {
        return;
    }
    m_strText = text;
    m_nSelStart = std::min(m_nSelStart, Length());
    m_nSelLength = std::min(m_nSelLength, Length() - m_nSelStart);
    Changed();
    Raise(ev::Change);
}

void TextBox::SetMaxLength(int32_t length) {
    if (length < 0) {
        throw AutomationError(err::InvalidPropertyValue);
    }
    m_nMaxLength = length;
}

void TextBox::SetSelStart(int32_t start) {
    if (start < 0) {
        throw AutomationError(err::InvalidPropertyValue);
    }
    m_nSelStart = std::min(start, Length());
    m_nSelLength = 0;
    Changed();
}

void TextBox::SetSelLength(int32_t length) {
    if (length < 0) {
        throw AutomationError(err::InvalidPropertyValue);
    }
    m_nSelLength = std::min(length, Length() - m_nSelStart);
    Changed();
}

std::string TextBox::SelText() const {
    const std::string head = LeftChars(m_strText, static_cast<size_t>(m_nSelStart));
    return LeftChars(std::string_view(m_strText).substr(head.size()), static_cast<size_t>(m_nSelLength));
}

void TextBox::UserType(const std::string& text) {
    CheckUsable();
    if (m_bLocked) {
        throw AutomationError(err::InvalidCall, Name() + " is locked");
    }
    const std::string kept = m_nMaxLength > 0 ? LeftChars(text, static_cast<size_t>(m_nMaxLength)) : text;
    SetText(kept);
    m_nSelStart = Length();
    m_nSelLength = 0;
}

void TextBox::Describe(ControlDescription& description) const {
    description.Add("text", Variant(m_strText));
    description.Add("selstart", Variant(m_nSelStart));
    description.Add("sellength", Variant(m_nSelLength));
}

const MemberTable<TextBox>& TextBox::Members() {
    static const MemberTable<TextBox> table = [] {
        MemberTable<TextBox> t;
        t.Inherit(Control::Members());
        t.Property(
            "Text", [](TextBox& c, auto) { return Variant(c.Text()); },
            [](TextBox& c, auto, const Variant& v) { c.SetText(v.ToString()); });
        t.Property(
            "MaxLength", [](TextBox& c, auto) { return Variant(c.MaxLength()); },
            [](TextBox& c, auto, const Variant& v) { c.SetMaxLength(v.ToLong()); });
        t.Property(
            "SelStart", [](TextBox& c, auto) { return Variant(c.SelStart()); },
            [](TextBox& c, auto, const Variant& v) { c.SetSelStart(v.ToLong()); });
        t.Property(
            "SelLength", [](TextBox& c, auto) { return Variant(c.SelLength()); },
            [](TextBox& c, auto, const Variant& v) { c.SetSelLength(v.ToLong()); });
        t.Property("SelText", [](TextBox& c, auto) { return Variant(c.SelText()); });
        return t;
    }();
    return table;
}

} // namespace vantor
