#include "vantor/pages/book/BookandSheetProp.hpp"
#include "model/Application.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "tests/support/ErrorOf.hpp"
#include "tests/support/PageHarness.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

using Lines = std::vector<std::string>;

namespace {

const char* ResetLine = "[Workbook & Worksheet Property - Reset]";
const char* ApplyLine = "[Workbook & Worksheet Property - Apply] ";

struct Loaded {
    PageHarness h;
    std::shared_ptr<FakeObject> app = std::make_shared<FakeObject>();
    std::shared_ptr<FakeObject> book = std::make_shared<FakeObject>();
    std::shared_ptr<FakeObject> sheet = std::make_shared<FakeObject>();
    std::shared_ptr<FakeSite> site = std::make_shared<FakeSite>();
    BookandSheetProp page;

    Loaded() {
        book->Set("DisplayZeros", Variant(true))
            .Set("DisplayErrors", Variant(false))
            .Set("Calculation", Variant(-4105))
            .Set("Iteration", Variant(false))
            .Set("MaxIterations", Variant(100))
            .Set("MaxChange", Variant(0.001))
            .Set("CommentMode", Variant(1));
        book->Method("Calculate");
        sheet->Set("DisplayHeadings", Variant(true))
            .Set("DisplayGridlines", Variant(true))
            .Set("GridlineColor", Variant(12632256));
        app->Set("ActiveWorkbook", Variant(book)).Set("ActiveSheet", Variant(sheet));
    }
    void Load() {
        page.SetSite(site);
        page.SetTargets(PageHarness::Targets(app));
        book->ClearWrites();
        sheet->ClearWrites();
    }
};

} // namespace

TEST(BookandSheetProp, ShowsWorkbookAndSheetSettings) {
    Loaded t;
    t.Load();
    EXPECT_EQ(t.page.chkShowZero->Value(), 1);
    EXPECT_EQ(t.page.chkShowError->Value(), 0);
    EXPECT_EQ(t.page.cbxAutoRecalc->ListIndex(), 0);
    EXPECT_EQ(t.page.txtLoopPrecision->Text(), "0.001");
    EXPECT_FALSE(t.page.txtLoopPrecision->Enabled());
    EXPECT_EQ(t.page.csxGridColor->SelColor(), 12632256); // silver, not automatic
    EXPECT_TRUE(t.page.optCommentMode_Both->Value());     // mode 1
    EXPECT_EQ(t.site->modified, 0);
    EXPECT_EQ(t.h.LogLines(), (Lines{ResetLine}));
    for (const char* name : {"CompartLine3", "CompartLine4", "Label7", "Label8"}) {
        EXPECT_NO_THROW(t.page.Control(name)) << name; // the form design's static controls
    }
}

TEST(BookandSheetProp, ApplyingUntouchedWritesNullsTheColourAndTheCommentMode) {
    Loaded t;
    t.Load();
    t.page.OnApply();
    EXPECT_EQ(t.book->Writes(), (Lines{"Put DisplayZeros = Null", "Put DisplayErrors = Null",
                                       "Put Calculation = Null", "Call Calculate()",
                                       "Put Iteration = Null", "Put MaxIterations = Null",
                                       "Put MaxChange = Null", "Put CommentMode = Long(0)"}));
    EXPECT_EQ(t.sheet->Writes(), (Lines{"Put DisplayHeadings = Null", "Put DisplayGridlines = Null",
                                        "Put GridlineColor = Long(12632256)"}));
    EXPECT_EQ(t.h.LogLines(), (Lines{ResetLine, ApplyLine}));
}

TEST(BookandSheetProp, GridlineColourChoices) {
    Loaded t;
    t.Load();
    t.page.chkShowGrid->UserClick();
    EXPECT_FALSE(t.page.csxGridColor->Enabled());
    t.page.csxGridColor->SetSelColor(ColorSelBox::Automatic);
    t.page.OnApply();
    EXPECT_EQ(t.sheet->Writes(),
              (Lines{"Put DisplayHeadings = Null", "Put DisplayGridlines = False",
                     "Put GridlineColor = Long(12632256)"}));
    t.sheet->ClearWrites();
    t.page.csxGridColor->SetSelColor(ColorSelBox::NoColor);
    t.page.OnApply();
    EXPECT_EQ(t.sheet->Writes().size(), 2u); // no colour chosen: none written
    t.sheet->ClearWrites();
    t.page.csxGridColor->SetSelColor(0x00FF00);
    t.page.OnApply();
    EXPECT_EQ(t.sheet->Writes().back(), "Put GridlineColor = Long(65280)");
}

TEST(BookandSheetProp, EveryChangeMarksModifiedAndLeavingACommentOptionToo) {
    Loaded t;
    t.Load();
    t.page.optCommentMode_None->Focus();
    t.page.optCommentMode_None->Leave();
    EXPECT_EQ(t.site->modified, 1); // tabbing through changes nothing but counts
    t.page.optCommentMode_Mark->UserClick();
    t.page.chkShowHeader->UserClick();
    t.page.nbeLoopDegree->SetEnabled(true);
    t.page.nbeLoopDegree->UserType("999999");
    EXPECT_EQ(t.page.nbeLoopDegree->Value(), Variant(32767));
    t.page.nbeLoopDegree->UserType("0");
    EXPECT_EQ(t.page.nbeLoopDegree->Value(), Variant(1));
    EXPECT_EQ(t.site->modified, 5);
    t.page.OnApply();
    EXPECT_EQ(t.book->Writes().back(), "Put CommentMode = Long(2)");
    EXPECT_EQ(t.book->Writes().at(5), "Put MaxIterations = Long(1)");
}

TEST(BookandSheetProp, FailuresAreLoggedUnderTheBracketedTags) {
    Loaded t;
    t.sheet->Fail("DisplayHeadings", 1004, "Refused");
    t.Load();
    t.page.OnApply();
    t.page.cmdRecalc->UserClick();
    EXPECT_EQ(t.book->Calls("Calculate"), 2);
    EXPECT_EQ(t.h.LogLines(),
              (Lines{ResetLine, "[Workbook & Worksheet Property - Reset]  - Error: 1004,Refused",
                     ApplyLine, "[Workbook & Worksheet Property - Apply]  - Error: 1004,Refused"}));
}

TEST(BookandSheetProp, WithoutAnActiveSheetThePageNeverLoads) {
    Loaded t;
    t.app->Set("ActiveSheet", Variant::Nothing());
    t.Load();
    EXPECT_TRUE(t.page.Loading());
    t.page.chkShowZero->UserClick();
    EXPECT_EQ(t.site->modified, 0);
    EXPECT_TRUE(t.h.LogLines().empty());
}

TEST(BookandSheetProp, EditsTheActiveWorkbookAndSheetOfTheModel) {
    PageHarness h;
    auto app = model::Application::Create(std::vector<std::string>{"Sans"});
    auto book = app->AddWorkbook("Book1");
    const ObjectRef wb(book);
    wb.Put("MaxChange", Variant(1E-11));
    wb.Put("Calculation", Variant(-4135));
    BookandSheetProp page;
    page.SetSite(std::make_shared<FakeSite>());
    page.SetTargets(PageHarness::Targets(ObjectRef(app)));
    EXPECT_EQ(page.txtLoopPrecision->Text(), "0.0");
    EXPECT_EQ(page.csxGridColor->SelColor(), 12632256);
    EXPECT_TRUE(page.optCommentMode_Mark->Value());
    page.OnApply();
    EXPECT_EQ(wb.Get("MaxChange"), Variant(1E-11)); // left alone, kept

    page.chkShowZero->UserClick();
    page.chkLoopCalc->UserClick();
    page.txtLoopPrecision->UserType("0.5");
    page.optCommentMode_None->UserClick();
    page.csxGridColor->UserPickColor(0x0000FF);
    page.OnApply();
    EXPECT_EQ(wb.Get("DisplayZeros"), Variant(false));
    EXPECT_EQ(wb.Get("Iteration"), Variant(true));
    EXPECT_EQ(wb.Get("MaxChange"), Variant(0.5));
    EXPECT_EQ(wb.Get("CommentMode"), Variant(3));
    EXPECT_EQ(wb.Get("Calculation"), Variant(-4135));
    EXPECT_EQ(book->CalculationCount(), 0);
    EXPECT_EQ(book->ActiveSheet()->GridlineColor(), 0x0000FF);
}

TEST(BookandSheetProp, IterationsAndMaximumChangeAreHeldToWhatTheWorkbookTakes) {
    Loaded t;
    t.Load();
    t.page.chkLoopCalc->UserClick();
    t.page.nbeLoopDegree->UserType("40000");
    EXPECT_EQ(t.page.nbeLoopDegree->Value(), Variant(32767));
    // A fraction is refused as typed, not cut to a whole number.
    EXPECT_EQ(ErrorOf([&] { t.page.nbeLoopDegree->UserType("2.7"); }), err::InvalidPropertyValue);
    EXPECT_EQ(t.page.nbeLoopDegree->Value(), Variant(32767));
    t.page.txtLoopPrecision->UserType("-0.5");
    EXPECT_NE(t.page.ValidateData(), 0);
    ASSERT_EQ(t.h.env.Messages().size(), 1u);
    t.page.txtLoopPrecision->UserType("0.5");
    EXPECT_EQ(t.page.ValidateData(), 0);
    EXPECT_EQ(t.h.env.Messages().size(), 1u);
}
