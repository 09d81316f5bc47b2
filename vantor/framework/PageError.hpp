#pragma once
#include "vantor/Export.h"
#include <cstdint>
#include <string>

namespace vantor {

// The last error a page logged, as the log line shows it: its number (0 when
// none), its description and the tag it was logged under ("Align Apply", ""
// for an operation without a tag, a shared function's own name).
struct VANTOR_API PageError {
    int32_t number = 0;
    std::string description;
    std::string tag;
};

} // namespace vantor
