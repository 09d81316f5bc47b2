#include "vantor/pages/cell/CellPropAlign.hpp"
#include "tests/pages/cell/CellPageModel.hpp"
#include "tests/support/PageHarness.hpp"
#include "vantor/framework/ClassTable.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

using Lines = std::vector<std::string>;

namespace {

std::shared_ptr<FakeObject> AlignTarget(Variant horizontal, Variant vertical, Variant wrap) {
    auto target = std::make_shared<FakeObject>();
    target->Set("HorizontalAlignment", horizontal)
        .Set("VerticalAlignment", vertical)
        .Set("WrapText", wrap)
        .Set("ApplyCache", Variant(0));
    target->Method("Apply").Method("AutoFitRowsHeight");
    return target;
}

struct AlignFixture {
    PageHarness h;
    std::shared_ptr<FakeSite> site = std::make_shared<FakeSite>();
    CellPropAlign page;

    void Load(const std::shared_ptr<FakeObject>& target) {
        page.SetSite(site);
        page.SetTargets(PageHarness::Targets(target));
        target->ClearWrites();
    }
};

} // namespace

TEST(CellPropAlignLoad, ShowsTheTargetsAlignmentAndWrap) {
    AlignFixture f;
    f.Load(AlignTarget(Variant(-4108), Variant(-4107), Variant(true)));
    EXPECT_EQ(f.page.cbxHorizonAlign->ListIndex(), 2);
    EXPECT_EQ(f.page.cbxVerticalAlign->ListIndex(), 2);
    EXPECT_EQ(f.page.chkAutoNewLine->Value(), 1);
    EXPECT_EQ(f.site->modified, 0);
    EXPECT_EQ(f.h.LogLines(), (Lines{"Align Reset"}));
}

TEST(CellPropAlignLoad, MixedValuesShowNoItemAndGrey) {
    AlignFixture f;
    f.Load(AlignTarget(Variant::Null(), Variant::Null(), Variant::Null()));
    EXPECT_EQ(f.page.cbxHorizonAlign->ListIndex(), -1);
    EXPECT_EQ(f.page.cbxVerticalAlign->ListIndex(), -1);
    EXPECT_EQ(f.page.chkAutoNewLine->Value(), 2);
}

TEST(CellPropAlignLoad, AValueNotInTheListKeepsThePreviousItem) {
    AlignFixture f;
    auto target = AlignTarget(Variant(-4152), Variant(-4160), Variant(false));
    f.Load(target);
    target->Set("HorizontalAlignment", Variant(7)); // centre across, not offered here
    f.page.OnReset();
    EXPECT_EQ(f.page.cbxHorizonAlign->ListIndex(), 3);
}

TEST(CellPropAlignApply, MixedHorizontalLeftAloneIsNotWritten) {
    AlignFixture f;
    auto target = AlignTarget(Variant::Null(), Variant(-4160), Variant(false));
    f.Load(target);
    f.page.OnApply();
    EXPECT_EQ(target->Writes(),
              (Lines{"Put VerticalAlignment = Null", "Put WrapText = Null", "Call Apply()"}));
    EXPECT_EQ(f.h.LogLines(), (Lines{"Align Reset", "Align Apply"}));
}

TEST(CellPropAlignApply, ReChoosingTheLoadedItemWritesNull) {
    AlignFixture f;
    auto target = AlignTarget(Variant(-4131), Variant(-4108), Variant(false));
    f.Load(target);
    f.page.cbxHorizonAlign->UserSelect(0);
    f.page.cbxHorizonAlign->UserSelect(1);
    f.page.cbxVerticalAlign->UserSelect(0);
    f.page.OnApply();
    EXPECT_EQ(target->Writes(), (Lines{"Put ApplyCache = Long(1)", "Put HorizontalAlignment = Null",
                                       "Put VerticalAlignment = Long(-4160)", "Put WrapText = Null",
                                       "Call Apply()"}));
}

TEST(CellPropAlignWrap, TurnedOnFromOffFitsTheRows) {
    AlignFixture f;
    auto target = AlignTarget(Variant(1), Variant(-4107), Variant(false));
    f.Load(target);
    f.page.chkAutoNewLine->UserClick();
    target->ClearWrites();
    f.page.OnApply();
    EXPECT_EQ(target->Writes(),
              (Lines{"Put HorizontalAlignment = Null", "Put VerticalAlignment = Null",
                     "Put WrapText = True", "Call Apply()", "Call AutoFitRowsHeight()"}));
}

TEST(CellPropAlignWrap, TurnedOnFromMixedFitsTheRows) {
    AlignFixture f;
    auto target = AlignTarget(Variant(1), Variant(-4107), Variant::Null());
    f.Load(target);
    EXPECT_EQ(f.page.chkAutoNewLine->Value(), 2);
    f.page.chkAutoNewLine->UserClick();
    target->ClearWrites();
    f.page.OnApply();
    EXPECT_EQ(target->Writes().back(), "Call AutoFitRowsHeight()");
    EXPECT_EQ(target->Calls("AutoFitRowsHeight"), 1);
    // The Null that cannot be read as a Boolean is no error to log.
    EXPECT_EQ(f.h.LogLines(), (Lines{"Align Reset", "Align Apply"}));
}

TEST(CellPropAlignWrap, LeftOnOrTurnedOffFitsNothing) {
    AlignFixture f;
    auto target = AlignTarget(Variant(1), Variant(-4107), Variant(true));
    f.Load(target);
    f.page.OnApply();
    EXPECT_EQ(target->Writes(),
              (Lines{"Put HorizontalAlignment = Null", "Put VerticalAlignment = Null",
                     "Put WrapText = Null", "Call Apply()"}));
    f.page.chkAutoNewLine->UserClick();
    target->ClearWrites();
    f.page.OnApply();
    EXPECT_EQ(target->Writes(),
              (Lines{"Put HorizontalAlignment = Null", "Put VerticalAlignment = Null",
                     "Put WrapText = False", "Call Apply()"}));
}

TEST(CellPropAlignWrap, LeftGreyWritesNull) {
    AlignFixture f;
    auto target = AlignTarget(Variant(1), Variant(-4107), Variant::Null());
    f.Load(target);
    f.page.OnApply();
    EXPECT_EQ(target->Writes(),
              (Lines{"Put HorizontalAlignment = Null", "Put VerticalAlignment = Null",
                     "Put WrapText = Null", "Call Apply()"}));
}

TEST(CellPropAlignNotify, EveryControlMarksThePageAndCountsOnce) {
    AlignFixture f;
    auto target = AlignTarget(Variant(1), Variant(-4107), Variant(false));
    f.Load(target);
    f.page.chkAutoDrecreaseFont->UserClick();
    f.page.cbxHorizonAlign->UserSelect(2);
    f.page.cbxVerticalAlign->UserSelect(0);
    f.page.chkAutoNewLine->UserClick();
    EXPECT_EQ(f.site->modified, 4);
    EXPECT_EQ(target->Value("ApplyCache"), Variant(1));
    // Shrink to fit is no property of the target.
    f.page.chkAutoDrecreaseFont->UserClick();
    target->ClearWrites();
    f.page.cbxHorizonAlign->UserSelect(0);
    f.page.cbxVerticalAlign->UserSelect(2);
    f.page.chkAutoNewLine->UserClick();
    f.page.OnApply();
    EXPECT_EQ(target->Writes(),
              (Lines{"Put HorizontalAlignment = Null", "Put VerticalAlignment = Null",
                     "Put WrapText = Null", "Call Apply()"}));
}

TEST(CellPropAlignErrors, AFailingStepIsLoggedAndTheRestRuns) {
    AlignFixture f;
    auto target = AlignTarget(Variant(1), Variant(-4107), Variant(false));
    f.Load(target);
    target->Fail("VerticalAlignment", 1004, "Refused");
    f.page.chkAutoNewLine->UserClick();
    target->ClearWrites();
    EXPECT_EQ(f.page.OnApply(), 0);
    EXPECT_EQ(target->Writes(), (Lines{"Put HorizontalAlignment = Null", "Put WrapText = True",
                                       "Call Apply()", "Call AutoFitRowsHeight()"}));
    EXPECT_EQ(f.h.LogLines().back(), "Align Apply - Error: 1004,Refused");
}

TEST(CellPropAlignDesign, TitleListsAndCreation) {
    PageHarness h;
    auto object = ClassTable::Create("CellPropAlign");
    auto* page = dynamic_cast<CellPropAlign*>(object.get());
    ASSERT_NE(page, nullptr);
    std::string caption;
    EXPECT_EQ(page->GetCaption(caption), 0);
    EXPECT_EQ(caption, "Alignment");
    EXPECT_EQ(page->cbxHorizonAlign->ListCount(), 4);
    EXPECT_EQ(page->cbxHorizonAlign->ItemData(3), -4152);
    EXPECT_EQ(page->cbxVerticalAlign->ItemData(0), -4160);
    EXPECT_EQ(page->Control("chkAutoNewLine").Position().top, 1020);
    Variant param(5);
    EXPECT_EQ(page->OnPageUserEvent(3, param), 0);
    EXPECT_EQ(param, Variant(5));
    EXPECT_EQ(page->ValidateData(), 0);
}

TEST(CellPropAlignModel, ChangesReachTheCells) {
    PageHarness h;
    CellPageModel m;
    m.Format("A1:B3", "HorizontalAlignment", Variant(-4131));
    m.Format("B1:B3", "HorizontalAlignment", Variant(-4152));
    m.Format("A1:B3", "VerticalAlignment", Variant(-4160));
    CellPropAlign page;
    page.SetSite(std::make_shared<FakeSite>());
    page.SetTargets(PageHarness::Targets(m.Range("A1:B3")));
    EXPECT_EQ(page.cbxHorizonAlign->ListIndex(), -1);
    EXPECT_EQ(page.cbxVerticalAlign->ListIndex(), 0);
    EXPECT_EQ(page.chkAutoNewLine->Value(), 0);
    page.cbxVerticalAlign->UserSelect(1);
    page.OnApply();
    EXPECT_EQ(m.Range("A1").Get("HorizontalAlignment"), Variant(-4131));
    EXPECT_EQ(m.Range("B2").Get("HorizontalAlignment"), Variant(-4152));
    EXPECT_EQ(m.Range("A1:B3").Get("VerticalAlignment"), Variant(-4108));
    EXPECT_EQ(h.LogLines(), (Lines{"Align Reset", "Align Apply"}));
}

TEST(CellPropAlignModel, WrappingLongTextFitsTheRowHeight) {
    PageHarness h;
    CellPageModel m;
    m.Range("A1").Put(
        "Value", Variant(std::string(400, 'w') + " and more words to wrap across several lines"));
    m.Range("A1").Put("ColumnWidth", Variant(8.0));
    const Variant before = m.Range("A1").Get("RowHeight");
    CellPropAlign page;
    page.SetSite(std::make_shared<FakeSite>());
    page.SetTargets(PageHarness::Targets(m.Range("A1")));
    page.chkAutoNewLine->UserClick();
    page.OnApply();
    EXPECT_EQ(m.Range("A1").Get("WrapText"), Variant(true));
    EXPECT_GT(m.Range("A1").Get("RowHeight").ToDouble(), before.ToDouble());
}
