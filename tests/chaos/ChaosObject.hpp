#pragma once
#include "tests/chaos/FaultPlan.hpp"
#include "vantor/automation/InstalledFonts.hpp"
#include "vantor/automation/Object.hpp"

#include <memory>

namespace vantor::test {

// A late-bound object of the real model seen through a fault plan: every
// member is forwarded by name, and any access may fail as the plan says.
// The objects it hands out are wrapped too. It answers the application's
// font list when the object it wraps has one.
class ChaosObject : public Object, public InstalledFonts {
public:
    ChaosObject(ObjectRef inner, std::shared_ptr<FaultPlan> plan)
        : m_oInner(std::move(inner)), m_pPlan(std::move(plan)) {}

    // Nothing stays Nothing.
    static ObjectRef Wrap(ObjectRef inner, const std::shared_ptr<FaultPlan>& plan);

    Variant Invoke(std::string_view member, InvokeKind kind, std::span<const Variant> args) override;
    Variant InvokeId(int32_t dispId, InvokeKind kind, std::span<const Variant> args) override;
    std::vector<Variant> Enumerate() override;
    std::string TypeName() const override { return m_oInner.get()->TypeName(); }
    std::string DisplayName() const override { return m_oInner.get()->DisplayName(); }

    int32_t InstalledFontCount() const override;
    std::string InstalledFontName(int32_t index) const override;

private:
    // Runs the access under the plan and wraps an object it answers.
    template <typename Access> Variant Guard(std::string_view member, Access&& access) const;
    const InstalledFonts& Fonts() const;

    ObjectRef m_oInner;
    std::shared_ptr<FaultPlan> m_pPlan;
};

} // namespace vantor::test
