#pragma once
#include "vantor/Export.h"
#include "vantor/automation/MemberTable.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace vantor {

// The attributes of one font, as a drawing surface uses them.
struct VANTOR_API FontAttributes {
    std::string name;
    float size = 9.0f; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    int16_t charset = 1; // the platform's default character set

    bool operator==(const FontAttributes&) const = default;
};

// A font object: the attributes behind one late-bound object, so that a
// control and its caller can share it ("Name", "Size", "Bold", "Italic",
// "Underline", "Strikethrough", "Charset"). A name must not be empty and a
// size must lie between 1 and 1638 points; anything else raises 380.
class VANTOR_API FontObject : public DispatchObject<FontObject> {
public:
    explicit FontObject(FontAttributes attributes = {});

    static const MemberTable<FontObject>& Members();
    std::string TypeName() const override { return "Font"; }

    const FontAttributes& Attributes() const { return m_attributes; }
    std::shared_ptr<FontObject> Clone() const { return std::make_shared<FontObject>(m_attributes); }

    void SetName(const std::string& name);
    void SetSize(float size);
    void SetBold(bool on) { m_attributes.bold = on; }
    void SetItalic(bool on) { m_attributes.italic = on; }
    void SetUnderline(bool on) { m_attributes.underline = on; }
    void SetStrikethrough(bool on) { m_attributes.strikethrough = on; }
    void SetCharset(int16_t charset) { m_attributes.charset = charset; }

private:
    FontAttributes m_attributes;
};

} // namespace vantor
