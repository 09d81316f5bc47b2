#include "vantor/framework/DefaultVariantConverter.hpp"

#include "vantor/automation/AutomationError.hpp"

#include <string>

namespace vantor {

void DefaultVariantConverter::ChangeType(Variant& dest, Variant& source, int32_t type) {
    switch (static_cast<VarType>(type)) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Date:
    case VarType::String:
    case VarType::Object:
    case VarType::Boolean:
        dest = source.ChangeType(static_cast<VarType>(type));
        return;
    default:
        throw AutomationError(err::InvalidCall, "Cannot convert to type " + std::to_string(type));
    }
}

} // namespace vantor
