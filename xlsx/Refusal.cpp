#include "xlsx/Refusal.hpp"

#include "vantor/automation/AutomationError.hpp"

namespace vantor::xlsx {

void Refuse(const std::string& file, const std::string& part, const std::string& what) {
    std::string description = file;
    if (!part.empty()) {
        description += ", part " + part;
    }
    throw AutomationError(err::ApplicationDefined, description + ": " + what);
}

} // namespace vantor::xlsx
