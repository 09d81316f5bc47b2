// Format codes: compiling any text, then rendering and recognising what compiles.
// Input: the code, optionally a line break and a value ("1234.5", "-0.25", "45000.75").
#include "model/numfmt/FormatCode.hpp"
#include "model/numfmt/FormatRecognition.hpp"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace nf = vantor::numfmt;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t cut = input.find('\n');
    const std::string_view code = input.substr(0, cut);
    const std::string valueText(cut == std::string_view::npos ? std::string_view("1234.5") : input.substr(cut + 1));
    const double value = std::strtod(valueText.c_str(), nullptr);

    const nf::CompileResult compiled = nf::FormatCode::Compile(code);
    if (!compiled.Ok()) {
        return 0;
    }
    const nf::FormatCode& format = *compiled.Code();
    for (const nf::FormatValue& v : {nf::FormatValue::Number(value), nf::FormatValue::Number(-value),
                                     nf::FormatValue::Date(value), nf::FormatValue::Text(valueText),
                                     nf::FormatValue::Boolean(value != 0), nf::FormatValue::Empty()}) {
        format.Format(v);
        format.Format(v, 20);
        format.Color(v);
    }
    nf::Recognize(format);
    return 0;
}
