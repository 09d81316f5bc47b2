#include "model/NumberFormatCheck.hpp"

#include "model/numfmt/FormatCode.hpp"

#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/TextFunctions.hpp"

namespace vantor::model::numberformat {

std::string CheckedCode(std::string_view code) {
    if (EqualsIgnoreCase(code, "General")) {
        return "";
    }
    if (CharCount(code) > 255) {
        throw AutomationError(err::ApplicationDefined,
                              "A number format code has at most 255 characters");
    }
    // A code the engine cannot read is refused, saying what is wrong and where.
    const numfmt::CompileResult compiled = numfmt::FormatCode::Compile(code);
    if (!compiled.Ok()) {
        throw AutomationError(err::ApplicationDefined,
                              "Number format \"" + std::string(code) +
                                  "\" is not valid: " + compiled.Error().Description());
    }
    return std::string(code);
}

} // namespace vantor::model::numberformat
