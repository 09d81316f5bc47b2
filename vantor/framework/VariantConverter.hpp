#pragma once
#include "vantor/Export.h"
#include "vantor/automation/Variant.hpp"

#include <cstdint>
#include <functional>
#include <memory>

namespace vantor {

// The host's variant converter: a page creates one in each SetTargets to turn
// the list's element into an object reference.
class VANTOR_API VariantConverter {
public:
    using Factory = std::function<std::shared_ptr<VariantConverter>()>;

    virtual ~VariantConverter() = default;
    // dest = source converted to the type code (9: an object reference).
    virtual void ChangeType(Variant& dest, Variant& source, int32_t type) = 0;
    // Empties the variant.
    virtual void Clear(Variant& value) = 0;

    // A new converter from the factory that the host installed; 429 when the
    // host installed none.
    static std::shared_ptr<VariantConverter> Create();
    // Installs the host's factory and returns the one before (empty: none).
    static Factory InstallFactory(Factory factory);
};

} // namespace vantor
