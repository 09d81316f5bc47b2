#pragma once
#include "vantor/Export.h"
#include "vantor/automation/AutomationError.hpp"

#include <new>
#include <optional>
#include <string>
#include <utility>

namespace vantor {

// "Go on with the next statement": each statement runs through the trap; a
// failing one is skipped and its error stays pending (the last one wins)
// until the owner reports and clears it.
class VANTOR_API ErrorTrap {
public:
    // Runs one statement; false when it failed.
    template <typename Statement> bool operator()(Statement&& statement) noexcept {
        try {
            std::forward<Statement>(statement)();
            return true;
        } catch (const AutomationError& e) {
            m_pending = e;
        } catch (const std::bad_alloc&) {
            m_pending = AutomationError(err::OutOfMemory);
        } catch (const std::exception& e) {
            m_pending = AutomationError(err::Internal, e.what());
        } catch (...) {
            m_pending = AutomationError(err::Internal);
        }
        return false;
    }

    bool HasError() const { return m_pending.has_value(); }
    // The pending error's number, 0 when none is pending.
    int Number() const { return m_pending ? m_pending->Number() : 0; }
    std::string Description() const { return m_pending ? m_pending->Description() : std::string(); }
    const std::optional<AutomationError>& Pending() const { return m_pending; }

    void Raise(const AutomationError& error) { m_pending = error; }
    void Restore(std::optional<AutomationError> error) { m_pending = std::move(error); }
    void Clear() { m_pending.reset(); }

private:
    std::optional<AutomationError> m_pending;
};

} // namespace vantor
