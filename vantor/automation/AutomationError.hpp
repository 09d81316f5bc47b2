#pragma once
#include "vantor/Export.h"
#include <stdexcept>
#include <string>

namespace vantor {

// The error of the automation world: a number and a description.
// Negative numbers are failure codes of other components.
class VANTOR_API AutomationError : public std::runtime_error {
public:
    explicit AutomationError(int number);
    AutomationError(int number, const std::string& description);

    int Number() const noexcept { return m_nNumber; }
    std::string Description() const { return what(); }

    // The standard description of a numbered error ("Type mismatch" for 13).
    static std::string StandardDescription(int number);

private:
    int m_nNumber;
};

// Error numbers in use.
namespace err {
constexpr int InvalidCall = 5;
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int TypeMismatch = 13;
constexpr int Internal = 51;
constexpr int ObjectNotSet = 91;
constexpr int InvalidUseOfNull = 94;
constexpr int InvalidPropertyValue = 380;
constexpr int ObjectRequired = 424;
constexpr int CannotCreateObject = 429;
constexpr int NotSupported = 438;
constexpr int WrongArguments = 450;
constexpr int ApplicationDefined = 1004;
} // namespace err

} // namespace vantor
