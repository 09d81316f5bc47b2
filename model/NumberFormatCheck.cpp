#include "model/NumberFormatCheck.hpp"

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
    return std::string(code);
}

} // namespace vantor::model::numberformat
