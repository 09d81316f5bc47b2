#include "vantor/pages/app/AppProp.hpp"
#include "model/Application.hpp"
#include "tests/support/PageHarness.hpp"

#include <gtest/gtest.h>

#include <algorithm>

using namespace vantor;
using namespace vantor::test;

using Lines = std::vector<std::string>;

namespace {

struct Loaded {
    PageHarness h;
    std::shared_ptr<FakeObject> app = std::make_shared<FakeObject>();
    std::shared_ptr<FakeSite> site = std::make_shared<FakeSite>();
    AppProp page;

    Loaded() {
        app->Set("EnableUndo", Variant(true))
            .Set("UndoMaxNum", Variant(100))
            .Set("SheetsInNewWorkbook", Variant(3))
            .Set("FixedDecimal", Variant(false))
            .Set("FixedDecimalPlaces", Variant(2))
            .Set("MoveAfterReturn", Variant(true))
            .Set("MoveAfterReturnDirection", Variant(-4161))
            .Set("FileAssoc", Variant(false));
    }
    void Load() {
        page.SetSite(site);
        page.SetTargets(PageHarness::Targets(app));
        app->ClearWrites();
    }
};

} // namespace

TEST(AppProp, ShowsTheOptionsWithTheirDependentsEnabled) {
    Loaded t;
    t.app->Set("FixedDecimal", Variant::Null());
    t.Load();
    EXPECT_EQ(t.page.chkUndoRedo->Value(), 1);
    EXPECT_EQ(t.page.nbeUndoRedo->Value(), Variant(100));
    EXPECT_TRUE(t.page.nbeUndoRedo->Enabled());
    EXPECT_EQ(t.page.nbeSheetCount->Value(), Variant(3));
    EXPECT_EQ(t.page.chkAutoDecimal->Value(), 2);
    EXPECT_TRUE(t.page.nbeAutoDecimal->Enabled()); // grey counts as set
    EXPECT_EQ(t.page.cbxEnterDirection->ListIndex(), 2);
    EXPECT_TRUE(t.page.cbxEnterDirection->Enabled());
    EXPECT_EQ(t.site->modified, 0);
    EXPECT_EQ(t.h.LogLines(), (Lines{"[Application Property - Reset] "}));
}

TEST(AppProp, AppliesInItsOwnOrderWithNullForWhatIsKept) {
    Loaded t;
    t.Load();
    t.page.OnApply();
    EXPECT_EQ(t.app->Writes(),
              (Lines{"Put FileAssoc = Null", "Put EnableUndo = Null", "Put UndoMaxNum = Null",
                     "Put SheetsInNewWorkbook = Null", "Put FixedDecimal = Null",
                     "Put FixedDecimalPlaces = Null", "Put MoveAfterReturn = Null",
                     "Put MoveAfterReturnDirection = Null"}));
    EXPECT_EQ(t.h.LogLines().back(), "[Application Property - Apply] ");
}

TEST(AppProp, TheDirectionIsNotWrittenWhileMoveAfterEnterIsCleared) {
    Loaded t;
    t.Load();
    t.page.cbxEnterDirection->UserSelect(0);
    t.page.chkEnterMove->UserClick();
    EXPECT_FALSE(t.page.cbxEnterDirection->Enabled());
    EXPECT_EQ(t.site->modified, 2);
    t.page.OnApply();
    EXPECT_EQ(t.app->Writes().back(), "Put MoveAfterReturn = False");
}

TEST(AppProp, ClearingUndoDisablesTheDepthWhichIsStillWrittenWhenChanged) {
    Loaded t;
    t.Load();
    t.page.nbeUndoRedo->UserType("20");
    t.page.chkUndoRedo->UserClick();
    EXPECT_FALSE(t.page.nbeUndoRedo->Enabled());
    t.page.OnApply();
    EXPECT_EQ(t.app->Writes().at(1), "Put EnableUndo = False");
    EXPECT_EQ(t.app->Writes().at(2), "Put UndoMaxNum = Long(20)");
}

TEST(AppProp, TurningUndoOffAsksFirstAndCancelSkipsOnlyThatWrite) {
    for (const int32_t answer : {msgbox::Ok, msgbox::Cancel}) {
        Loaded t;
        t.Load();
        t.h.env.QueueAnswer(answer);
        t.page.chkUndoRedo->UserClick();
        t.page.chkAutoDecimal->UserClick();
        t.page.OnApply();
        ASSERT_EQ(t.h.env.Messages().size(), 1u);
        EXPECT_EQ(t.h.env.Messages()[0].prompt, AppProp::UndoOffQuestion);
        const Lines& writes = t.app->Writes();
        const bool written =
            std::find(writes.begin(), writes.end(), "Put EnableUndo = False") != writes.end();
        EXPECT_EQ(written, answer == msgbox::Ok);
        EXPECT_NE(std::find(writes.begin(), writes.end(), "Put FixedDecimal = True"), writes.end());
    }
    // Turning it on, or leaving it, asks nothing.
    Loaded t;
    t.app->Set("EnableUndo", Variant(false));
    t.Load();
    t.page.chkUndoRedo->UserClick();
    t.page.OnApply();
    EXPECT_TRUE(t.h.env.Messages().empty());
}

TEST(AppProp, ARefusedValueIsLoggedAndTheOthersAreStillWritten) {
    Loaded t;
    t.Load();
    t.app->Fail("SheetsInNewWorkbook", 380, "Out of range");
    t.page.chkFileAssoc->UserClick();
    t.page.chkAutoDecimal->UserClick();
    t.page.OnApply();
    EXPECT_EQ(t.app->Writes().front(), "Put FileAssoc = True");
    EXPECT_EQ(t.app->Writes().at(3), "Put FixedDecimal = True");
    EXPECT_EQ(t.h.LogLines().back(), "[Application Property - Apply]  - Error: 380,Out of range");
}

TEST(AppProp, EditsTheApplicationOfTheModel) {
    PageHarness h;
    auto app = model::Application::Create(std::vector<std::string>{"Sans"});
    const ObjectRef target(app);
    AppProp page;
    page.SetSite(std::make_shared<FakeSite>());
    page.SetTargets(PageHarness::Targets(target));
    EXPECT_EQ(page.nbeSheetCount->Value(), Variant(3));
    page.chkFileAssoc->UserClick();
    page.chkAutoDecimal->UserClick();
    page.nbeAutoDecimal->UserType("4");
    page.cbxEnterDirection->UserSelect(0);
    page.nbeSheetCount->UserType("64");
    page.OnApply();
    EXPECT_EQ(target.Get("FileAssoc"), Variant(true));
    EXPECT_EQ(target.Get("FixedDecimal"), Variant(true));
    EXPECT_EQ(target.Get("FixedDecimalPlaces"), Variant(4));
    EXPECT_EQ(target.Get("MoveAfterReturnDirection"), Variant(-4162));
    EXPECT_EQ(target.Get("SheetsInNewWorkbook"), Variant(64));
    EXPECT_EQ(h.LogLines().size(), 2u);
}

TEST(AppProp, ASheetCountSetOnTheDefaultsPageIsShownAndKept) {
    for (const auto& [stored, shown] : {std::pair{Variant(80), Variant(80)},
                                        std::pair{Variant(300), Variant::Null()}}) {
        Loaded t;
        t.app->Set("SheetsInNewWorkbook", stored);
        t.Load();
        EXPECT_EQ(t.page.nbeSheetCount->Value(), shown) << stored.Describe();
        t.page.chkFileAssoc->UserClick();
        t.page.OnApply();
        EXPECT_EQ(t.app->Writes().at(3), "Put SheetsInNewWorkbook = Null") << stored.Describe();
        EXPECT_EQ(t.h.LogLines().size(), 2u) << stored.Describe(); // no error 380
    }
}
