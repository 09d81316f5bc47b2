#include "vantor/framework/VariantConverter.hpp"

#include "vantor/automation/AutomationError.hpp"
#include "vantor/framework/DefaultVariantConverter.hpp"

namespace vantor {

namespace {
// One per thread, like the current Environment: no lock is needed and a
// thread's pages never see another thread's host.
thread_local VariantConverter::Factory tFactory;
} // namespace

std::shared_ptr<VariantConverter> VariantConverter::Create() {
    if (!tFactory) {
        return std::make_shared<DefaultVariantConverter>();
    }
    std::shared_ptr<VariantConverter> converter = tFactory();
    if (converter == nullptr) {
        throw AutomationError(err::CannotCreateObject, "The dialog host's variant converter is not available");
    }
    return converter;
}

VariantConverter::Factory VariantConverter::InstallFactory(Factory factory) {
    Factory previous = std::move(tFactory);
    tFactory = std::move(factory);
    return previous;
}

} // namespace vantor
