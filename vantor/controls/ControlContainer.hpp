#pragma once
#include "vantor/Export.h"
#include "vantor/controls/FontObject.hpp"

#include <memory>
#include <string>

namespace vantor {

// What the container of a control offers it: the ambient font (the font
// the container itself shows), and a notice that a saved property changed,
// so that the container knows its saved state is stale.
class VANTOR_API ControlContainer {
public:
    virtual ~ControlContainer() = default;

    virtual std::shared_ptr<FontObject> AmbientFont() const = 0;
    virtual void PropertyChanged(const std::string& key) = 0;
};

} // namespace vantor
