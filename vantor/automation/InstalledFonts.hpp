#pragma once
#include "vantor/Export.h"
#include <cstdint>
#include <string>

namespace vantor {

// The fonts installed on the machine, as the application reports them to the
// font page. The index is 0-based; an index out of range raises 9.
class VANTOR_API InstalledFonts {
public:
    virtual ~InstalledFonts() = default;
    virtual int32_t InstalledFontCount() const = 0;
    virtual std::string InstalledFontName(int32_t index) const = 0;
};

} // namespace vantor
