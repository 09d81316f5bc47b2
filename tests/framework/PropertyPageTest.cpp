#include "tests/support/PageHarness.hpp"
#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/framework/PropertyPage.hpp"
#include "vantor/ui/CheckBox.hpp"
#include "vantor/ui/ComboBox.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

using Lines = std::vector<std::string>;

namespace {

// A small page on the skeleton: one list and one check box bound to the
// target, as a cell-format page binds them.
class SamplePage : public PropertyPage {
public:
    SamplePage() : PropertyPage(LogTags::Word("Align"), PageCounter::CellFormat, "Sample", {0, 0, 3720, 2130}) {
        cbxHorizonAlign->SetStyle(ComboStyle::DropDownList);
        for (int32_t data : {1, -4131, -4108, -4152}) {
            cbxHorizonAlign->AddItem("item", data);
        }
        NotifyOn(*cbxHorizonAlign, ev::Click);
        NotifyOn(*chkAutoNewLine, ev::Click);
        // Work posted by a handler during loading runs in the loading pass.
        chkAutoNewLine->On(ev::Click, [this](EventArgs&) {
            Environment::Current().Post([this] { loadingSeenByPostedWork = m_bLoading; });
        });
    }
    std::string ClassName() const override { return "SamplePage"; }

    std::shared_ptr<ComboBox> cbxHorizonAlign = Add<ComboBox>("cbxHorizonAlign", {1500, 120, 1335, 300});
    std::shared_ptr<CheckBox> chkAutoNewLine = Add<CheckBox>("chkAutoNewLine", {120, 1020, 2175, 255});
    bool loadingSeenByPostedWork = false;

protected:
    void LoadControls(ErrorTrap& trap) override {
        trap([&] { LoadSettingCombo(*cbxHorizonAlign, m_oTarget.Get("HorizontalAlignment"), true); });
        trap([&] { LoadSettingCheckbox(*chkAutoNewLine, m_oTarget.Get("WrapText")); });
    }
    void ApplyControls(ErrorTrap& trap) override {
        trap([&] { ApplySettingCombo(m_oTarget, "HorizontalAlignment", *cbxHorizonAlign, true); });
        trap([&] { ApplySettingCheckbox(m_oTarget, "WrapText", *chkAutoNewLine); });
    }
};

std::shared_ptr<FakeObject> CellTarget() {
    auto target = std::make_shared<FakeObject>();
    target->Set("HorizontalAlignment", Variant(-4108)).Set("WrapText", Variant(false)).Set("ApplyCache", Variant(0));
    target->Method("Apply");
    return target;
}

} // namespace

TEST(PropertyPage, LoadsInSetTargetsWithoutCountingOrNotifying) {
    PageHarness h;
    auto target = CellTarget();
    target->Set("WrapText", Variant::Null());
    auto site = std::make_shared<FakeSite>();
    SamplePage page;
    EXPECT_EQ(page.SetSite(site), 0);
    EXPECT_EQ(page.SetTargets(PageHarness::Targets(target)), 0);
    EXPECT_EQ(page.cbxHorizonAlign->ListIndex(), 2);
    EXPECT_EQ(page.chkAutoNewLine->Value(), 2); // its click ran while loading
    EXPECT_TRUE(page.loadingSeenByPostedWork);
    EXPECT_FALSE(page.Loading());
    EXPECT_EQ(site->modified, 0);
    EXPECT_EQ(target->Value("ApplyCache"), Variant(0));
    EXPECT_EQ(h.LogLines(), (Lines{"Align Reset"}));

    // A second SetTargets replaces the target and loads again.
    auto other = CellTarget();
    other->Set("HorizontalAlignment", Variant(-4152));
    page.SetTargets(PageHarness::Targets(other));
    EXPECT_EQ(page.Target(), ObjectRef(other));
    EXPECT_EQ(page.cbxHorizonAlign->ListIndex(), 3);
    EXPECT_EQ(h.LogLines(), (Lines{"Align Reset", "Align Reset"}));
}

TEST(PropertyPage, EmptyOrMissingTargetListsLoadNothing) {
    PageHarness h;
    SamplePage page;
    page.SetTargets(std::make_shared<DefaultTargetList>());
    page.SetTargets(nullptr);
    EXPECT_EQ(page.cbxHorizonAlign->ListIndex(), -1);
    EXPECT_TRUE(page.Target().IsNothing());
    EXPECT_TRUE(page.Loading()); // loading ends with the first reset only
    EXPECT_TRUE(h.LogLines().empty());
}

TEST(PropertyPage, CountsOncePerEditCycleAndNotifiesEveryChange) {
    PageHarness h;
    auto target = CellTarget();
    auto site = std::make_shared<FakeSite>();
    SamplePage page;
    page.SetSite(site);
    page.SetTargets(PageHarness::Targets(target));
    page.cbxHorizonAlign->UserSelect(0);
    page.chkAutoNewLine->UserClick();
    page.cbxHorizonAlign->UserSelect(1);
    EXPECT_EQ(target->Value("ApplyCache"), Variant(1));
    EXPECT_EQ(site->modified, 3);
    page.OnApply();
    page.chkAutoNewLine->UserClick();
    EXPECT_EQ(target->Value("ApplyCache"), Variant(2));
    EXPECT_EQ(site->modified, 4);

    // A reset restores the controls without notifying, and starts a new cycle.
    page.OnReset();
    EXPECT_EQ(page.cbxHorizonAlign->ListIndex(), 1);
    EXPECT_EQ(page.chkAutoNewLine->Value(), 1);
    EXPECT_EQ(site->modified, 4);
    page.chkAutoNewLine->UserClick();
    EXPECT_EQ(target->Value("ApplyCache"), Variant(3));
}

TEST(PropertyPage, ApplyWritesNullForWhatIsUnchangedAndCallsApplyOnce) {
    PageHarness h;
    auto target = CellTarget();
    target->NullRaises(5); // the model may refuse the Null that means keep
    SamplePage page;
    page.SetSite(std::make_shared<FakeSite>());
    page.SetTargets(PageHarness::Targets(target));
    page.chkAutoNewLine->UserClick();
    target->ClearWrites();
    page.OnApply();
    EXPECT_EQ(target->Writes(), (Lines{"Put HorizontalAlignment = Null !5", "Put WrapText = True", "Call Apply()"}));
    EXPECT_EQ(target->Value("WrapText"), Variant(true));
    EXPECT_EQ(h.LogLines(), (Lines{"Align Reset", "Align Apply"})); // error 5 is dropped

    // Other errors are logged under the apply tag, and the status stays 0.
    target->Fail("WrapText", 1004, "Refused");
    EXPECT_EQ(page.OnApply(), 0);
    EXPECT_EQ(h.LogLines().back(), "Align Apply - Error: 1004,Refused");
}

TEST(PropertyPage, ATargetWhoseEveryMemberFailsNeverFailsTheHost) {
    PageHarness h;
    auto target = std::make_shared<FakeObject>();
    for (const char* name : {"HorizontalAlignment", "WrapText", "ApplyCache", "Apply"}) {
        target->Fail(name, 1004, "Broken");
    }
    SamplePage page;
    EXPECT_EQ(page.SetTargets(PageHarness::Targets(target)), 0);
    page.chkAutoNewLine->UserClick(); // no site, failing counter
    EXPECT_EQ(page.OnApply(), 0);
    std::string caption;
    EXPECT_EQ(page.GetCaption(caption), 0);
    EXPECT_EQ(caption, "Sample");
    Variant param = Variant("kept");
    EXPECT_EQ(page.OnPageUserEvent(7, param), 0);
    EXPECT_EQ(param, Variant("kept"));
    EXPECT_EQ(h.LogLines(), (Lines{"Align Reset", "Align Reset - Error: 1004,Broken",
                                   "Error: 91,Object variable or With block variable not set", "Align Apply",
                                   "Align Apply - Error: 1004,Broken"}));
}
