#pragma once
#include "vantor/Export.h"
#include "vantor/automation/Variant.hpp"

#include <functional>
#include <string>
#include <string_view>

namespace vantor {

// A control's state as " name=value" items, in the order the control gives
// them. Values are written by the caller's rule, so that a host shows them
// as it shows every other value.
class VANTOR_API ControlDescription {
public:
    using Formatter = std::function<std::string(const Variant&)>;

    explicit ControlDescription(Formatter format) : m_format(std::move(format)) {}

    void Add(std::string_view name, const Variant& value) { AddText(name, m_format(value)); }
    // An item whose value is already text, written as it stands.
    void AddText(std::string_view name, std::string_view text) {
        m_strText.append(" ").append(name).append("=").append(text);
    }
    std::string Format(const Variant& value) const { return m_format(value); }

    const std::string& Text() const { return m_strText; }

private:
    Formatter m_format;
    std::string m_strText;
};

} // namespace vantor
