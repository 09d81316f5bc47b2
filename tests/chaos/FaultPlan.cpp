#include "tests/chaos/FaultPlan.hpp"

#include "vantor/automation/AutomationError.hpp"

#include <iterator>
#include <string>

namespace vantor::test {

namespace {
// What the model and the automation runtime raise, and a failure code of
// another component (negative: never logged).
constexpr int ModelErrors[] = {err::ApplicationDefined, err::ApplicationDefined, err::TypeMismatch,
                               err::NotSupported,       err::SubscriptOutOfRange, err::InvalidCall,
                               err::InvalidPropertyValue, err::ObjectNotSet,     err::Overflow,
                               err::InvalidUseOfNull,   -2147024809};
} // namespace

FaultPlan::When FaultPlan::Choose() {
    if (m_rate <= 0 || std::uniform_real_distribution<double>(0, 1)(m_rng) >= m_rate) {
        return When::Never;
    }
    return (m_rng() & 3) == 0 ? When::After : When::Before;
}

void FaultPlan::Fail(std::string_view member) {
    ++m_nFaults;
    const int number = ModelErrors[m_rng() % std::size(ModelErrors)];
    throw AutomationError(number, "Injected failure of " + std::string(member));
}

} // namespace vantor::test
