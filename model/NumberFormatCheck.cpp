#include "model/NumberFormatCheck.hpp"

#include "model/numfmt/FormatCode.hpp"

#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/TextFunctions.hpp"

namespace vantor::model::numberformat {

std::optional<numfmt::FormatError> ProblemOf(std::string_view code) {
    const numfmt::CompileResult compiled = numfmt::FormatCode::Compile(code);
    if (!compiled.Ok()) {
        return compiled.Error();
    }
    return std::nullopt;
}

std::string CheckedCode(std::string_view code) {
    if (const std::optional<numfmt::FormatError> problem = ProblemOf(code)) {
        throw AutomationError(err::ApplicationDefined, "Number format \"" + std::string(code) +
                                                           "\" is not valid: " + problem->Description());
    }
    return EqualsIgnoreCase(code, "General") ? std::string() : std::string(code);
}

} // namespace vantor::model::numberformat
