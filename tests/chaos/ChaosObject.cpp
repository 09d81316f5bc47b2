#include "tests/chaos/ChaosObject.hpp"

#include "vantor/automation/AutomationError.hpp"

namespace vantor::test {

ObjectRef ChaosObject::Wrap(ObjectRef inner, const std::shared_ptr<FaultPlan>& plan) {
    if (inner.IsNothing()) {
        return inner;
    }
    return ObjectRef(std::make_shared<ChaosObject>(std::move(inner), plan));
}

template <typename Access> Variant ChaosObject::Guard(std::string_view member, Access&& access) const {
    const FaultPlan::When when = m_pPlan->Choose();
    if (when == FaultPlan::When::Before) {
        m_pPlan->Fail(member);
    }
    Variant result = access();
    if (when == FaultPlan::When::After) {
        m_pPlan->Fail(member); // the model did it, but the caller hears of a failure
    }
    if (result.IsObject() && !result.IsNothing()) {
        return Variant(Wrap(result.ToObject(), m_pPlan));
    }
    return result;
}

Variant ChaosObject::Invoke(std::string_view member, InvokeKind kind, std::span<const Variant> args) {
    return Guard(member, [&] { return m_oInner.Invoke(member, kind, args); });
}

Variant ChaosObject::InvokeId(int32_t dispId, InvokeKind kind, std::span<const Variant> args) {
    return Guard("#" + std::to_string(dispId), [&] { return m_oInner.InvokeId(dispId, kind, args); });
}

std::vector<Variant> ChaosObject::Enumerate() {
    if (m_pPlan->Choose() != FaultPlan::When::Never) {
        m_pPlan->Fail("for each");
    }
    std::vector<Variant> items = m_oInner.Enumerate();
    for (Variant& item : items) {
        if (item.IsObject() && !item.IsNothing()) {
            item = Variant(Wrap(item.ToObject(), m_pPlan));
        }
    }
    return items;
}

const InstalledFonts& ChaosObject::Fonts() const {
    if (m_pPlan->Choose() != FaultPlan::When::Never) {
        m_pPlan->Fail("installed fonts");
    }
    if (const auto chaos = m_oInner.As<ChaosObject>()) {
        return chaos->Fonts();
    }
    const auto* fonts = dynamic_cast<const InstalledFonts*>(m_oInner.get());
    if (fonts == nullptr) {
        throw AutomationError(err::NotSupported, TypeName() + " does not list fonts");
    }
    return *fonts;
}

int32_t ChaosObject::InstalledFontCount() const { return Fonts().InstalledFontCount(); }

std::string ChaosObject::InstalledFontName(int32_t index) const { return Fonts().InstalledFontName(index); }

} // namespace vantor::test
