#pragma once
#include "vantor/Export.h"
#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/Variant.hpp"

#include <cstdint>
#include <string>

namespace vantor {

// The typed site of the dialog-style pages: they end their dialog through it,
// -1 for OK and -2 for Cancel, and ask the host for another of its dialogs.
class VANTOR_API DialogSite {
public:
    static constexpr int32_t ResultOk = -1;
    static constexpr int32_t ResultCancel = -2;

    virtual ~DialogSite() = default;
    virtual void EndDialog(int32_t result, Variant& answer) = 0;
    // Shows the host's dialog of this name ("Format Cells") over the target,
    // modally, and returns -1 when it ended with OK, -2 otherwise. A host
    // without such dialogs refuses with 5.
    virtual int32_t ShowDialog(const std::string& name, const Variant& target) {
        (void)target;
        throw AutomationError(err::InvalidCall, "This host has no dialog " + name);
    }
};

} // namespace vantor
