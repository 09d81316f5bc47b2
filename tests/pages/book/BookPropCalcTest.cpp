#include "vantor/pages/book/BookPropCalc.hpp"
#include "model/Application.hpp"
#include "model/Workbook.hpp"
#include "tests/support/PageHarness.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

using Lines = std::vector<std::string>;

namespace {

std::shared_ptr<FakeObject> CalcBook() {
    auto book = std::make_shared<FakeObject>();
    book->Set("Calculation", Variant(-4105))
        .Set("Iteration", Variant(true))
        .Set("MaxIterations", Variant(100))
        .Set("MaxChange", Variant(0.001))
        .Set("DisplayZeros", Variant(true))
        .Set("DisplayErrors", Variant(true))
        .Set("PrecisionAsDisplayed", Variant(false));
    book->Method("Calculate");
    return book;
}

struct Loaded {
    PageHarness h;
    std::shared_ptr<FakeObject> book = CalcBook();
    std::shared_ptr<FakeSite> site = std::make_shared<FakeSite>();
    BookPropCalc page;
    void Load() {
        page.SetSite(site);
        page.SetTargets(PageHarness::Targets(book));
        book->ClearWrites();
    }
};

} // namespace

TEST(BookPropCalc, ShowsTheCalculationSettings) {
    Loaded t;
    t.Load();
    EXPECT_EQ(t.page.cbxAutoRecalc->ListIndex(), 0);
    EXPECT_EQ(t.page.chkLoopCalc->Value(), 1);
    EXPECT_EQ(t.page.nbeLoopDegree->Value(), Variant(100));
    EXPECT_EQ(t.page.txtLoopPrecision->Text(), " .001");
    EXPECT_TRUE(t.page.nbeLoopDegree->Enabled());
    EXPECT_TRUE(t.page.txtLoopPrecision->Enabled());
    EXPECT_EQ(t.site->modified, 0); // loading raised clicks and changes silently
    EXPECT_EQ(t.h.LogLines(), (Lines{"Calc Reset"}));
}

TEST(BookPropCalc, ManualModeWithNothingChangedWritesOnlyNulls) {
    Loaded t;
    t.book->Set("Calculation", Variant(-4135));
    t.Load();
    EXPECT_EQ(t.page.cbxAutoRecalc->ListIndex(), 1);
    t.page.OnApply();
    EXPECT_EQ(t.book->Writes(),
              (Lines{"Put Calculation = Null", "Put Iteration = Null", "Put MaxIterations = Null",
                     "Put MaxChange = Null", "Put DisplayZeros = Null", "Put DisplayErrors = Null",
                     "Put PrecisionAsDisplayed = Null"}));
    EXPECT_EQ(t.book->Calls("Calculate"), 0);
}

TEST(BookPropCalc, AutomaticRecalculatesOnEveryApplyAndOnTheButton) {
    Loaded t;
    t.Load();
    t.page.OnApply();
    t.page.OnApply();
    EXPECT_EQ(t.book->Calls("Calculate"), 2);
    EXPECT_EQ(t.book->Writes().at(0), "Put Calculation = Null");
    EXPECT_EQ(t.book->Writes().at(1), "Call Calculate()");

    t.page.cmdRecalc->UserClick();
    EXPECT_EQ(t.book->Calls("Calculate"), 3);
    EXPECT_EQ(t.site->modified, 0); // recalculating is no edit

    t.book->Fail("Calculate", 1004, "Busy");
    t.page.cmdRecalc->UserClick();
    EXPECT_EQ(t.h.LogLines().back(), "Recalc - Error: 1004,Busy");
}

TEST(BookPropCalc, TypedLimitsAreReadAndHeldToWhatTheWorkbookTakes) {
    struct Case {
        const char* box;
        const char* typed;
        size_t index;
        const char* write;
    };
    // The precision text is read by its leading number; 1E-3 is the current 0.001, unchanged.
    const Case cases[] = {
        {"txtLoopPrecision", "abc", 4, "Put MaxChange = Double(0)"},
        {"txtLoopPrecision", "0.5abc", 4, "Put MaxChange = Double(0.5)"},
        {"txtLoopPrecision", "1E-3", 4, "Put MaxChange = Null"},
        {"txtLoopPrecision", "1E-4", 4, "Put MaxChange = Double(0.0001)"},
        {"nbeLoopDegree", "50000", 3, "Put MaxIterations = Long(32767)"},
        {"nbeLoopDegree", "0", 3, "Put MaxIterations = Long(1)"},
        {"nbeLoopDegree", "250", 3, "Put MaxIterations = Long(250)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Loaded t;
        t.Load();
        t.page.Control(c.box).UserType(c.typed);
        t.page.OnApply();
        EXPECT_EQ(t.book->Writes().at(c.index), c.write);
        EXPECT_EQ(t.site->modified, 1);
    }
}

TEST(BookPropCalc, ClearingIterationDisablesItsLimitsButStillWritesThem) {
    Loaded t;
    t.Load();
    t.page.nbeLoopDegree->UserType("250");
    t.page.chkLoopCalc->UserClick();
    EXPECT_FALSE(t.page.nbeLoopDegree->Enabled());
    EXPECT_FALSE(t.page.txtLoopPrecision->Enabled());
    EXPECT_EQ(t.site->modified, 2);
    t.page.OnApply();
    EXPECT_EQ(t.book->Writes(),
              (Lines{"Put Calculation = Null", "Call Calculate()", "Put Iteration = False",
                     "Put MaxIterations = Long(250)", "Put MaxChange = Null",
                     "Put DisplayZeros = Null", "Put DisplayErrors = Null",
                     "Put PrecisionAsDisplayed = Null"}));
    // A grey box (mixed) enables the limits.
    t.book->Set("Iteration", Variant::Null());
    t.page.OnReset();
    EXPECT_EQ(t.page.chkLoopCalc->Value(), 2);
    EXPECT_TRUE(t.page.txtLoopPrecision->Enabled());
}

TEST(BookPropCalc, WithoutASelectedModeNeitherModeNorRecalculationIsWritten) {
    Loaded t;
    t.book->Set("Calculation", Variant::Null());
    t.Load();
    EXPECT_EQ(t.page.cbxAutoRecalc->ListIndex(), -1);
    t.page.OnApply();
    // Nothing selected: neither the mode nor a recalculation.
    EXPECT_EQ(t.book->Writes().front(), "Put Iteration = Null");
    EXPECT_EQ(t.book->Calls("Calculate"), 0);
}

TEST(BookPropCalc, OpeningAndConfirmingKeepsATinyMaximumChange) {
    PageHarness h;
    auto app = model::Application::Create(std::vector<std::string>{"Sans"});
    auto book = app->AddWorkbook("Book1");
    const ObjectRef target(book);
    target.Put("MaxChange", Variant(1E-11));
    target.Put("Calculation", Variant(-4135));
    BookPropCalc page;
    page.SetSite(std::make_shared<FakeSite>());
    page.SetTargets(PageHarness::Targets(target));
    EXPECT_EQ(page.txtLoopPrecision->Text(), " 1E-11");
    page.OnApply();
    EXPECT_EQ(target.Get("MaxChange"), Variant(1E-11));
    EXPECT_EQ(book->CalculationCount(), 0);

    // The user's edits reach the workbook.
    page.cbxAutoRecalc->UserSelect(0);
    page.chkLoopCalc->UserClick();
    page.nbeLoopDegree->UserType("40");
    page.txtLoopPrecision->UserType("0.25");
    page.OnApply();
    EXPECT_EQ(target.Get("Calculation"), Variant(-4105));
    EXPECT_EQ(target.Get("Iteration"), Variant(true));
    EXPECT_EQ(target.Get("MaxIterations"), Variant(40));
    EXPECT_EQ(target.Get("MaxChange"), Variant(0.25));
    EXPECT_EQ(book->CalculationCount(), 1);
    EXPECT_EQ(h.LogLines(), (Lines{"Calc Reset", "Calc Apply", "Calc Apply"}));
}

TEST(BookPropCalc, AMaximumChangeTheWorkbookRefusesKeepsTheDialogOpen) {
    struct Case {
        const char* typed;
        bool refused;
    };
    // Letters read as 0, which the workbook takes; a text left as loaded is never refused.
    for (const Case& c : {Case{"-1", true}, Case{"1E999", true}, Case{"abc", false},
                          Case{"0.5", false}, Case{" .001", false}}) {
        Loaded t;
        t.Load();
        t.page.txtLoopPrecision->UserType(c.typed);
        EXPECT_EQ(t.page.ValidateData() != 0, c.refused) << c.typed;
        EXPECT_EQ(t.h.env.Messages().size(), c.refused ? 1u : 0u) << c.typed;
    }
}

TEST(BookPropCalc, DisplayBoxesBindAndPrecisionAsDisplayedIsAskedFirst) {
    struct Case {
        int32_t answer;
        const char* write;
    };
    for (const Case& c : {Case{msgbox::Ok, "Put PrecisionAsDisplayed = True"},
                          Case{msgbox::Cancel, ""}}) {
        Loaded t;
        t.book->Set("DisplayErrors", Variant::Null());
        t.Load();
        EXPECT_EQ(t.page.chkShowZero->Value(), 1);
        EXPECT_EQ(t.page.chkShowError->Value(), 2);
        t.page.chkShowZero->UserClick();
        t.page.chkUseDisplay->UserClick();
        EXPECT_EQ(t.site->modified, 2);
        t.h.env.QueueAnswer(c.answer);
        t.page.OnApply();
        ASSERT_EQ(t.h.env.Messages().size(), 1u);
        EXPECT_EQ(t.h.env.Messages()[0].prompt, BookPropCalc::PrecisionWarning);
        const Lines writes = t.book->Writes();
        EXPECT_EQ(writes.at(5), "Put DisplayZeros = False");
        EXPECT_EQ(writes.at(6), "Put DisplayErrors = Null");
        EXPECT_EQ(writes.size() > 7 ? writes.at(7) : "", c.write);
    }
}

TEST(BookPropCalc, PrecisionAsDisplayedAlreadyOnIsNotAskedAgain) {
    Loaded t;
    t.book->Set("PrecisionAsDisplayed", Variant(true));
    t.Load();
    t.page.OnApply();
    EXPECT_TRUE(t.h.env.Messages().empty());
    EXPECT_EQ(t.book->Writes().back(), "Put PrecisionAsDisplayed = Null");
}
