#pragma once
#include "vantor/Export.h"

#include <string_view>

namespace vantor::numfmt {

// The value handed to a format code for rendering. Text is a view: the value is a short-lived
// argument and the caller keeps the text alive for the call.
class VANTOR_API FormatValue {
public:
    enum class Kind { Empty, Number, Date, Boolean, Text, Error };

    FormatValue() = default;

    static FormatValue Empty() { return FormatValue(); }
    // A 32-bit integer converts to double exactly, so it is a number like any other.
    static FormatValue Number(double value) { return FormatValue(Kind::Number, value, {}); }
    // A serial date-time: days since 1899-12-31 in the 1900 date system, time as the fraction.
    static FormatValue Date(double serial) { return FormatValue(Kind::Date, serial, {}); }
    static FormatValue Boolean(bool value) {
        return FormatValue(Kind::Boolean, value ? 1.0 : 0.0, {});
    }
    static FormatValue Text(std::string_view text) { return FormatValue(Kind::Text, 0.0, text); }
    // An error value, by its name ("#DIV/0!"): every code shows the name as it stands.
    static FormatValue Error(std::string_view name) { return FormatValue(Kind::Error, 0.0, name); }

    Kind GetKind() const { return m_kind; }
    double GetNumber() const { return m_number; }
    bool GetBoolean() const { return m_number != 0.0; }
    std::string_view GetText() const { return m_text; }
    bool IsNumeric() const { return m_kind == Kind::Number || m_kind == Kind::Date; }

private:
    FormatValue(Kind kind, double number, std::string_view text)
        : m_kind(kind), m_number(number), m_text(text) {}

    Kind m_kind = Kind::Empty;
    double m_number = 0.0;
    std::string_view m_text;
};

} // namespace vantor::numfmt
