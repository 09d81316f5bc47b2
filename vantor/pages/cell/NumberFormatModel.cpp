#include "vantor/pages/cell/NumberFormatModel.hpp"

namespace vantor::numberformat {

namespace {

// "." and a "0" per decimal place; nothing for none.
std::string Decimals(int32_t decimals) {
    return decimals > 0 ? "." + std::string(static_cast<size_t>(decimals), '0') : std::string();
}

} // namespace

bool IsListed(int32_t category) {
    return category == Date || category == Time || category == NumericList || category == Text ||
           category == Custom;
}

Variant Sample(int32_t category) {
    switch (category) {
    case Date:
        return Variant::Date(DateSerial(2000, 10, 30) + TimeSerial(18, 56, 0));
    case Time:
        return Variant::Date(DateSerial(1899, 12, 31) + TimeSerial(18, 56, 0));
    case NumericList:
        return Variant(1234.56789);
    case Text:
        return Variant("abc");
    default:
        return Variant();
    }
}

std::string BuildFormatCode(int32_t decimals, bool useSeparator, const std::string& prefix,
                            int32_t exponentDigits, const Variant& exponentSign) {
    std::string code = prefix + (useSeparator ? "#,##0" : "0") + Decimals(decimals);
    if (exponentDigits > 0) {
        const bool plus = !exponentSign.IsNull() && exponentSign.ToBool();
        code += std::string("E") + (plus ? "+" : "-") +
                std::string(static_cast<size_t>(exponentDigits), '0');
    }
    return code;
}

std::string BuildPercentCode(int32_t decimals) {
    return "0" + Decimals(decimals) + "%";
}

} // namespace vantor::numberformat
