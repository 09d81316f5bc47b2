#pragma once
#include "vantor/Export.h"
#include "vantor/automation/Variant.hpp"

#include <cstdint>
#include <functional>
#include <memory>

namespace vantor {

// The host's variant converter: a page creates one in each SetTargets to turn
// the list's element into an object reference. A host that needs nothing
// special installs no factory and the pages use DefaultVariantConverter.
class VANTOR_API VariantConverter {
public:
    using Factory = std::function<std::shared_ptr<VariantConverter>()>;

    virtual ~VariantConverter() = default;
    // dest = source converted to the type code (9: an object reference).
    virtual void ChangeType(Variant& dest, Variant& source, int32_t type) = 0;
    // Empties the variant.
    virtual void Clear(Variant& value) = 0;

    // A new converter from the factory installed on this thread, or a
    // DefaultVariantConverter when none is; 429 when the factory answers none.
    static std::shared_ptr<VariantConverter> Create();
    // Installs the factory for the calling thread (the pages live on the
    // host's user-interface thread, as the Environment does) and returns the
    // one installed before (empty: none). An empty factory restores the default.
    static Factory InstallFactory(Factory factory);
};

} // namespace vantor
