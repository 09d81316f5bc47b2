#include "vantor/controls/FontObject.hpp"

#include "vantor/automation/TextFunctions.hpp"

#include <cmath>

namespace vantor {

namespace {

// The largest size a font of the platform takes, in points.
constexpr float MaxFontSize = 1638.0f;

} // namespace

FontObject::FontObject(FontAttributes attributes) : m_attributes(std::move(attributes)) {}

void FontObject::SetName(const std::string& name) {
    if (Trim(name).empty()) {
        throw AutomationError(err::InvalidPropertyValue, "A font needs a name");
    }
    m_attributes.name = name;
}

void FontObject::SetSize(float size) {
    if (!std::isfinite(size) || size < 1.0f || size > MaxFontSize) {
        throw AutomationError(err::InvalidPropertyValue,
                              "A font size lies between 1 and 1638 points");
    }
    m_attributes.size = size;
}

const MemberTable<FontObject>& FontObject::Members() {
    static const MemberTable<FontObject> table = [] {
        using F = FontObject;
        MemberTable<F> t;
        t.Property(
            "Name", [](F& f, auto) { return Variant(f.m_attributes.name); },
            [](F& f, auto, const Variant& v) { f.SetName(v.ToString()); });
        t.Property(
            "Size", [](F& f, auto) { return Variant(f.m_attributes.size); },
            [](F& f, auto, const Variant& v) { f.SetSize(v.ToSingle()); });
        t.Property(
            "Bold", [](F& f, auto) { return Variant(f.m_attributes.bold); },
            [](F& f, auto, const Variant& v) { f.SetBold(v.ToBool()); });
        t.Property(
            "Italic", [](F& f, auto) { return Variant(f.m_attributes.italic); },
            [](F& f, auto, const Variant& v) { f.SetItalic(v.ToBool()); });
        t.Property(
            "Underline", [](F& f, auto) { return Variant(f.m_attributes.underline); },
            [](F& f, auto, const Variant& v) { f.SetUnderline(v.ToBool()); });
        t.Property(
            "Strikethrough", [](F& f, auto) { return Variant(f.m_attributes.strikethrough); },
            [](F& f, auto, const Variant& v) { f.SetStrikethrough(v.ToBool()); });
        t.Property(
            "Charset", [](F& f, auto) { return Variant(f.m_attributes.charset); },
            [](F& f, auto, const Variant& v) { f.SetCharset(v.ToInteger()); });
        return t;
    }();
    return table;
}

} // namespace vantor
