#include "model/Application.hpp"
#include "model/Range.hpp"
#include "tests/chaos/ChaosObject.hpp"
#include "tests/chaos/ChaosRun.hpp"
#include "vantor/pages/cell/CellPropAlign.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <set>
#include <string>

using namespace vantor;
using namespace vantor::test;

namespace {

long FromEnvironment(const char* name, long fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtol(value, nullptr, 10) : fallback;
}

// VANTOR_CHAOS_ACTIONS and VANTOR_CHAOS_SEED repeat or lengthen a run.
TEST(Chaos, EveryPageSurvivesRandomUsersHostsAndModelFaults) {
    const auto seed = static_cast<uint64_t>(FromEnvironment("VANTOR_CHAOS_SEED", 20261207));
    const long actions = FromEnvironment("VANTOR_CHAOS_ACTIONS", 20000);
    ChaosRun run(seed, ChaosRun::AllDialogs());
    const std::optional<std::string> broken = run.Run(actions);
    const ChaosRun::Figures& figures = run.Results();
    std::cout << "chaos seed " << seed << ": " << figures.actions << " actions, " << figures.dialogs
              << " dialogs, " << figures.injected << " injected faults, " << figures.refused
              << " refused actions, " << figures.messages << " message boxes, " << figures.modals
              << " modal forms\n";
    EXPECT_FALSE(broken) << *broken;
    EXPECT_EQ(figures.actions, actions);
    EXPECT_GT(figures.injected, 0);
}

// A page that breaks the protocol's rules when its target fails.
class CarelessPage : public CellPropAlign {
public:
    std::string ClassName() const override { return "CarelessPage"; }
    int32_t OnApply() noexcept override {
        try {
            m_oTarget.Get("WrapText");
        } catch (const AutomationError&) {
            return 1;
        }
        return CellPropAlign::OnApply();
    }
};

TEST(Chaos, NamesTheSeedAndActionOfABrokenRule) {
    const ChaosRun::Dialog careless{"Careless", host::TargetKind::Selection, {"CarelessPage"}};
    std::set<std::string> reports;
    for (int repeat = 0; repeat < 2; ++repeat) {
        ChaosRun run(7, {careless}, [](const std::string&) { return std::make_shared<CarelessPage>(); });
        const std::optional<std::string> broken = run.Run(20000);
        ASSERT_TRUE(broken);
        EXPECT_EQ(broken->rfind("seed 7, action ", 0), 0u) << *broken;
        EXPECT_NE(broken->find("CarelessPage.OnApply answered 1"), std::string::npos) << *broken;
        reports.insert(*broken);
    }
    EXPECT_EQ(reports.size(), 1u) << "the same seed repeats the same run";
}

TEST(Chaos, WrappedModelForwardsOrFailsWithTheModelsErrors) {
    const auto app = model::Application::Create({"Arial"});
    app->AddWorkbook("Book1");
    const auto plan = std::make_shared<FaultPlan>(3);
    const ObjectRef range = ChaosObject::Wrap(ObjectRef(app->RangeOf("A1:B2")), plan);

    range.Get("Font").Put("Bold", Variant(true));
    range.Call("Apply");
    EXPECT_EQ(ObjectRef(app->RangeOf("A1")).Get("Font").Get("Bold"), Variant(true));
    EXPECT_EQ(plan->Faults(), 0);

    plan->SetRate(1);
    std::set<int> numbers;
    for (int i = 0; i < 200; ++i) {
        try {
            range.Get("WrapText");
            ADD_FAILURE() << "an access at rate 1 succeeded";
        } catch (const AutomationError& error) {
            numbers.insert(error.Number());
        }
    }
    EXPECT_EQ(plan->Faults(), 200);
    EXPECT_TRUE(numbers.count(1004) && numbers.count(13) && numbers.count(438) && numbers.count(9));
}

} // namespace
