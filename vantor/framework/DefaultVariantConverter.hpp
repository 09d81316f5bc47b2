#pragma once
#include "vantor/Export.h"
#include "vantor/framework/VariantConverter.hpp"

namespace vantor {

// The converter the pages use when the host installs no factory: the
// automation conversions of Variant, for the type codes of plain values and
// object references (5 for any other code).
class VANTOR_API DefaultVariantConverter : public VariantConverter {
public:
    void ChangeType(Variant& dest, Variant& source, int32_t type) override;
    void Clear(Variant& value) override { value = Variant(); }
};

} // namespace vantor
