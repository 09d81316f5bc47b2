#pragma once
#include "vantor/automation/Variant.hpp"

#include <cstdint>

namespace vantor {

// The typed site of the dialog-style pages: they end their dialog through it,
// -1 for OK and -2 for Cancel.
class DialogSite {
public:
    static constexpr int32_t ResultOk = -1;
    static constexpr int32_t ResultCancel = -2;

    virtual ~DialogSite() = default;
    virtual void EndDialog(int32_t result, Variant& answer) = 0;
};

} // namespace vantor
