#pragma once
#include "vantor/framework/VariantConverter.hpp"

namespace vantor::host {

// The host's variant converter, which the pages create through the factory
// that Install puts in place.
class HostVariantConverter : public VariantConverter {
public:
    void ChangeType(Variant& dest, Variant& source, int32_t type) override;
    void Clear(Variant& value) override { value = Variant(); }

    static void Install();
};

} // namespace vantor::host
