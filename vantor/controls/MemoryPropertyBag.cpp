#include "vantor/controls/MemoryPropertyBag.hpp"

#include "vantor/controls/FontObject.hpp"

namespace vantor {

namespace {

std::shared_ptr<FontObject> FontOf(const Variant& value) {
    return value.IsObject() ? value.ToObject().As<FontObject>() : nullptr;
}

// A copy of a font object, any other value as it is.
Variant Kept(const Variant& value) {
    const auto font = FontOf(value);
    return font ? Variant(font->Clone()) : value;
}

bool SameValue(const Variant& a, const Variant& b) {
    const auto fontA = FontOf(a);
    const auto fontB = FontOf(b);
    if (fontA && fontB) {
        return fontA->Attributes() == fontB->Attributes();
    }
    return a == b;
}

} // namespace

Variant MemoryPropertyBag::ReadProperty(const std::string& key, const Variant& defaultValue) const {
    const auto it = m_values.find(key);
    return it == m_values.end() ? defaultValue : Kept(it->second);
}

void MemoryPropertyBag::WriteProperty(const std::string& key, const Variant& value,
                                      const Variant& defaultValue) {
    if (SameValue(value, defaultValue)) {
        m_values.erase(key);
        return;
    }
    m_values[key] = Kept(value);
    m_written.push_back(key);
}

MemoryPropertyBag& MemoryPropertyBag::Set(const std::string& key, const Variant& value) {
    m_values[key] = Kept(value);
    return *this;
}

} // namespace vantor
