#include "vantor/framework/VariantConverter.hpp"

#include "vantor/automation/AutomationError.hpp"

namespace vantor {

namespace {
VariantConverter::Factory& InstalledFactory() {
    static VariantConverter::Factory factory;
    return factory;
}
} // namespace

std::shared_ptr<VariantConverter> VariantConverter::Create() {
    const Factory& factory = InstalledFactory();
    std::shared_ptr<VariantConverter> converter = factory ? factory() : nullptr;
    if (converter == nullptr) {
        throw AutomationError(429, "The dialog host's variant converter is not available");
    }
    return converter;
}

VariantConverter::Factory VariantConverter::InstallFactory(Factory factory) {
    Factory previous = std::move(InstalledFactory());
    InstalledFactory() = std::move(factory);
    return previous;
}

} // namespace vantor
