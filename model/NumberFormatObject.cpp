#include "model/NumberFormatObject.hpp"

#include "model/ErrorValues.hpp"

namespace vantor::model {

NumberFormatObject::NumberFormatObject(std::shared_ptr<const numfmt::FormatCode> code)
    : m_pCode(std::move(code)), m_info(numfmt::Recognize(*m_pCode)) {}

Variant NumberFormatObject::Format(const Variant& value) const {
    switch (value.Type()) {
    case VarType::Null:
        return value;
    case VarType::Empty:
        return Variant(m_pCode->Format(numfmt::FormatValue::Empty()));
    case VarType::Boolean:
        return Variant(m_pCode->Format(numfmt::FormatValue::Boolean(value.ToBool())));
    case VarType::String: {
        const std::string text = value.ToString();
        return Variant(m_pCode->Format(numfmt::FormatValue::Text(text)));
    }
    case VarType::Error:
        return Variant(m_pCode->Format(numfmt::FormatValue::Error(errorvalues::NameOf(value))));
    case VarType::Date: {
        // Automation serials count 1900-02-29, which never was, only from March 1900 on;
        // spreadsheet serials count it, so the earlier days are one less. A time
        // alone (day 0) is the same fraction in both.
        double serial = value.ToDouble();
        if (serial >= 1 && serial < 61) {
            serial -= 1;
        }
        return Variant(m_pCode->Format(numfmt::FormatValue::Date(serial)));
    }
    default:
        return Variant(m_pCode->Format(numfmt::FormatValue::Number(value.ToDouble())));
    }
}

const MemberTable<NumberFormatObject>& NumberFormatObject::Members() {
    static const MemberTable<NumberFormatObject> table = [] {
        using T = MemberTable<NumberFormatObject>;
        T t;
        t.Property("Name", [](NumberFormatObject& f, auto) { return Variant(f.Code()); });
        t.Property("Category",
                   [](NumberFormatObject& f, auto) { return Variant(f.m_info.m_category); });
        t.Property("FixedDecimalPlaces", [](NumberFormatObject& f, auto) {
            return Variant(f.m_info.m_fixedDecimalPlaces);
        });
        t.Property("UseComma",
                   [](NumberFormatObject& f, auto) { return Variant(f.m_info.m_useComma); });
        t.Property("CurrencySymbol",
                   [](NumberFormatObject& f, auto) { return Variant(f.m_info.m_currencySymbol); });
        t.Property("ExponentSign",
                   [](NumberFormatObject& f, auto) { return Variant(f.m_info.m_exponentSign); });
        t.Method("Format",
                 [](NumberFormatObject& f, auto args) { return f.Format(T::Arg(args, 0)); });
        return t;
    }();
    return table;
}

} // namespace vantor::model
