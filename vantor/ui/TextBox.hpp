#pragma once
#include "vantor/Export.h"
#include "vantor/ui/Control.hpp"

namespace vantor {

// A text box. Lengths and the selection count Unicode characters.
class VANTOR_API TextBox : public DispatchObject<TextBox, Control> {
public:
    using DispatchObject::DispatchObject;
    std::string Kind() const override { return "TextBox"; }

    const std::string& Text() const { return m_strText; }
    // Raises Change when the text changes. Code may set a text longer than
    // MaxLength; only typing is held to it.
    void SetText(const std::string& text);

    int32_t MaxLength() const { return m_nMaxLength; } // 0: no limit
    void SetMaxLength(int32_t length);
    const std::string& PasswordChar() const { return m_strPasswordChar; }
    void SetPasswordChar(std::string passwordChar) { m_strPasswordChar = std::move(passwordChar); }
    bool Locked() const { return m_bLocked; }
    void SetLocked(bool locked) { m_bLocked = locked; }

    int32_t SelStart() const { return m_nSelStart; }
    int32_t SelLength() const { return m_nSelLength; }
    // Clamped to the text, as a text box does.
    void SetSelStart(int32_t start);
    void SetSelLength(int32_t length);
    std::string SelText() const;

    // The user's edit leaves this text in the box (cut to MaxLength).
    void UserType(const std::string& text) override;

    Variant CurrentValue() const override { return Variant(m_strText); }
    void Describe(ControlDescription& description) const override;

    static const MemberTable<TextBox>& Members();

private:
    int32_t Length() const;

    std::string m_strText;
    int32_t m_nMaxLength = 0;
    std::string m_strPasswordChar;
    bool m_bLocked = false;
    int32_t m_nSelStart = 0;
    int32_t m_nSelLength = 0;
};

} // namespace vantor
