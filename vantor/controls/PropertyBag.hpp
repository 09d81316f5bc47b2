#pragma once
#include "vantor/Export.h"
#include "vantor/automation/Variant.hpp"

#include <string>

namespace vantor {

// The saved state of a control, kept by its container: a value per key.
class VANTOR_API PropertyBag {
public:
    virtual ~PropertyBag() = default;

    // The value saved under the key, or the default when there is none.
    virtual Variant ReadProperty(const std::string& key, const Variant& defaultValue) const = 0;
    // Saves the value under the key; a value equal to the default is not
    // saved (the key is left out), since reading gives the default back.
    virtual void WriteProperty(const std::string& key, const Variant& value,
                               const Variant& defaultValue) = 0;
};

} // namespace vantor
