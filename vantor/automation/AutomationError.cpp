#include "vantor/automation/AutomationError.hpp"

namespace vantor {

AutomationError::AutomationError(int number)
    : AutomationError(number, StandardDescription(number)) {}

AutomationError::AutomationError(int number, const std::string& description)
    : std::runtime_error(description), m_nNumber(number) {}

std::string AutomationError::StandardDescription(int number) {
    switch (number) {
    case err::InvalidCall: return "Invalid procedure call or argument";
    case err::Overflow: return "Overflow";
    case err::OutOfMemory: return "Out of memory";
    case err::SubscriptOutOfRange: return "Subscript out of range";
    case err::TypeMismatch: return "Type mismatch";
    case err::Internal: return "Internal error";
    case err::ObjectNotSet: return "Object variable or With block variable not set";
    case err::InvalidUseOfNull: return "Invalid use of Null";
    case err::InvalidPropertyValue: return "Invalid property value";
    case err::ObjectRequired: return "Object required";
    case err::CannotCreateObject: return "The component cannot create the object";
    case err::NotSupported: return "Object doesn't support this property or method";
    case err::WrongArguments: return "Wrong number of arguments or invalid property assignment";
    case err::ApplicationDefined: return "Application-defined or object-defined error";
    default: return "Automation error " + std::to_string(number);
    }
}

} // namespace vantor
