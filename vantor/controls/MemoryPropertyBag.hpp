#pragma once
#include "vantor/Export.h"
#include "vantor/controls/PropertyBag.hpp"

#include <map>
#include <string>
#include <vector>

namespace vantor {

// A property bag in memory. Font objects are kept as copies, written and
// read, so that the saved state never changes behind the bag's back; two
// fonts are equal when their attributes are. Key names match with case.
class VANTOR_API MemoryPropertyBag : public PropertyBag {
public:
    Variant ReadProperty(const std::string& key, const Variant& defaultValue) const override;
    void WriteProperty(const std::string& key, const Variant& value,
                       const Variant& defaultValue) override;

    // Puts a value in the bag directly, as a saved state to read.
    MemoryPropertyBag& Set(const std::string& key, const Variant& value);
    bool Has(const std::string& key) const { return m_values.contains(key); }
    // The keys saved by WriteProperty, in the order they were written.
    const std::vector<std::string>& Written() const { return m_written; }

private:
    std::map<std::string, Variant> m_values;
    std::vector<std::string> m_written;
};

} // namespace vantor
