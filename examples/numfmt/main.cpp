// Renders a few values through spreadsheet number format codes.
#include "model/numfmt/FormatCode.hpp"

#include <cstdio>

using vantor::numfmt::FormatCode;
using vantor::numfmt::FormatValue;

int main() {
    const struct { const char* code; FormatValue value; } samples[] = {
        {"#,##0.00;[Red]-#,##0.00", FormatValue::Number(-1234.5)},
        {"0.0%", FormatValue::Number(0.256)},
        {"yyyy-mm-dd hh:mm", FormatValue::Date(45000.75)},
        {"# ?/?", FormatValue::Number(3.4)},
        {"@\" units\"", FormatValue::Text("12")},
    };
    for (const auto& [code, value] : samples) {
        const auto compiled = FormatCode::Compile(code);
        std::printf("%-26s %s\n", code, compiled.Ok() ? compiled.Code()->Format(value).c_str() : "refused");
    }
    return FormatCode::Compile("0.0.0\"").Ok() ? 1 : 0; // an unclosed quote is refused
}
