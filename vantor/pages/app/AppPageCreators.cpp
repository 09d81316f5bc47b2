#include "vantor/framework/ClassCreators.hpp"
#include "vantor/pages/app/AppMisc.hpp"
#include "vantor/pages/app/AppProp.hpp"
#include "vantor/pages/app/AppPropDefault.hpp"

namespace vantor {

// The creatable classes of the application pages.
ClassCreators AppPageCreators() {
    return {
        {"AppProp", [] { return std::make_shared<AppProp>(); }},
        {"AppPropDefault", [] { return std::make_shared<AppPropDefault>(); }},
        {"AppMisc", [] { return std::make_shared<AppMisc>(); }},
    };
}

} // namespace vantor
