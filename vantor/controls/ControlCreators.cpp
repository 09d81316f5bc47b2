#include "vantor/controls/FontPreview.hpp"
#include "vantor/framework/ClassCreators.hpp"

#include <memory>

namespace vantor {

// The creatable classes of the controls.
ClassCreators ControlCreators() {
    return {
        {"FontPreview",
         [] {
             return std::make_shared<FontPreview>("FontPreview", Rect{0, 0, 2400, 600});
         }},
    };
}

} // namespace vantor
