#include "vantor/pages/cell/CellPropAlign.hpp"
#include "tests/pages/cell/CellPageModel.hpp"
#include "tests/support/PageHarness.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

using Lines = std::vector<std::string>;

namespace {

// A page loaded with a recorded target of these settings.
struct AlignFixture {
    PageHarness h;
    std::shared_ptr<FakeSite> site = std::make_shared<FakeSite>();
    std::shared_ptr<FakeObject> target = std::make_shared<FakeObject>();
    CellPropAlign page;

    AlignFixture(Variant horizontal, Variant vertical, Variant wrap,
                 Variant shrink = Variant(false)) {
        target->Set("HorizontalAlignment", horizontal)
            .Set("VerticalAlignment", vertical)
            .Set("WrapText", wrap)
            .Set("ShrinkToFit", shrink)
            .Set("ApplyCache", Variant(0));
        target->Method("Apply").Method("AutoFitRowsHeight");
        page.SetSite(site);
        page.SetTargets(PageHarness::Targets(target));
    }

    Lines Apply() {
        target->ClearWrites();
        EXPECT_EQ(page.OnApply(), 0);
        return target->Writes();
    }
};

} // namespace

TEST(CellPropAlignLoad, ShowsTheTargetsValuesAndMixedOnesUndecided) {
    struct Case {
        Variant horizontal, vertical, wrap;
        int32_t horizontalIndex, verticalIndex, wrapShown;
    };
    for (const Case& c : {Case{Variant(-4108), Variant(-4107), Variant(true), 2, 2, 1},
                          Case{Variant::Null(), Variant::Null(), Variant::Null(), -1, -1, 2}}) {
        AlignFixture f(c.horizontal, c.vertical, c.wrap);
        EXPECT_EQ(f.page.cbxHorizonAlign->ListIndex(), c.horizontalIndex);
        EXPECT_EQ(f.page.cbxVerticalAlign->ListIndex(), c.verticalIndex);
        EXPECT_EQ(f.page.chkAutoNewLine->Value(), c.wrapShown);
        EXPECT_EQ(f.site->modified, 0);
        EXPECT_EQ(f.h.LogLines(), (Lines{"Align Reset"}));
    }
}

TEST(CellPropAlignWrap, RowsAreFittedOnlyWhenTheApplyTurnsWrappingOn) {
    struct Case {
        Variant loaded;
        bool click;
        std::string written;
        bool fitted;
    };
    // A mixed setting counts as off, and reading it as one is no error to log.
    for (const Case& c :
         {Case{Variant(false), true, "True", true}, Case{Variant::Null(), true, "True", true},
          Case{Variant(true), false, "Null", false}, Case{Variant(true), true, "False", false},
          Case{Variant::Null(), false, "Null", false}}) {
        AlignFixture f(Variant(1), Variant(-4107), c.loaded);
        if (c.click) {
            f.page.chkAutoNewLine->UserClick();
        }
        Lines expected{"Put HorizontalAlignment = Null", "Put VerticalAlignment = Null",
                       "Put WrapText = " + c.written, "Put ShrinkToFit = Null",
                       "Call Apply()"};
        if (c.fitted) {
            expected.push_back("Call AutoFitRowsHeight()");
        }
        EXPECT_EQ(f.Apply(), expected) << c.loaded.Describe() << c.click;
        EXPECT_EQ(f.h.LogLines(), (Lines{"Align Reset", "Align Apply"}));
    }
}

TEST(CellPropAlignShrink, LoadsAndWritesTheSafeSettingAndFitsNoRows) {
    struct Case {
        Variant loaded;
        int32_t shown;
        int clicks;
        std::string written;
    };
    for (const Case& c : {Case{Variant(false), 0, 1, "True"}, Case{Variant(true), 1, 0, "Null"},
                          Case{Variant(true), 1, 1, "False"}, Case{Variant::Null(), 2, 0, "Null"},
                          Case{Variant::Null(), 2, 1, "True"}}) {
        AlignFixture f(Variant(1), Variant(-4107), Variant(true), c.loaded);
        EXPECT_EQ(f.page.chkAutoDrecreaseFont->Value(), c.shown);
        for (int i = 0; i < c.clicks; ++i) {
            f.page.chkAutoDrecreaseFont->UserClick();
        }
        EXPECT_EQ(f.Apply(), (Lines{"Put HorizontalAlignment = Null", "Put VerticalAlignment = Null",
                                    "Put WrapText = Null", "Put ShrinkToFit = " + c.written,
                                    "Call Apply()"}))
            << c.loaded.Describe();
    }
}

TEST(CellPropAlignNotify, EveryControlMarksThePageAndCountsOnce) {
    AlignFixture f(Variant(1), Variant(-4107), Variant(false));
    f.page.chkAutoDrecreaseFont->UserClick();
    f.page.cbxHorizonAlign->UserSelect(2);
    f.page.cbxVerticalAlign->UserSelect(0);
    f.page.chkAutoNewLine->UserClick();
    EXPECT_EQ(f.site->modified, 4);
    EXPECT_EQ(f.target->Value("ApplyCache"), Variant(1));
}

TEST(CellPropAlignErrors, AFailingStepIsLoggedAndTheRestRuns) {
    AlignFixture f(Variant(1), Variant(-4107), Variant(false));
    f.target->Fail("VerticalAlignment", 1004, "Refused");
    f.page.chkAutoNewLine->UserClick();
    EXPECT_EQ(f.Apply(), (Lines{"Put HorizontalAlignment = Null", "Put WrapText = True",
                                "Put ShrinkToFit = Null", "Call Apply()",
                                "Call AutoFitRowsHeight()"}));
    EXPECT_EQ(f.h.LogLines().back(), "Align Apply - Error: 1004,Refused");
}

TEST(CellPropAlignModel, ChangesReachTheCells) {
    CellPageModel m;
    m.Format("A1:B3", "HorizontalAlignment", Variant(-4131));
    m.Format("B1:B3", "HorizontalAlignment", Variant(-4152));
    m.Format("A1:B3", "VerticalAlignment", Variant(-4160));
    CellPropAlign page;
    m.Open(page, "A1:B3");
    EXPECT_EQ(page.cbxHorizonAlign->ListIndex(), -1);
    EXPECT_EQ(page.cbxVerticalAlign->ListIndex(), 0);
    EXPECT_EQ(page.chkAutoNewLine->Value(), 0);
    page.cbxVerticalAlign->UserSelect(1);
    page.chkAutoDrecreaseFont->UserClick();
    page.OnApply();
    EXPECT_EQ(m.Range("A1:B3").Get("ShrinkToFit"), Variant(true));
    EXPECT_EQ(m.Range("A1").Get("HorizontalAlignment"), Variant(-4131));
    EXPECT_EQ(m.Range("B2").Get("HorizontalAlignment"), Variant(-4152));
    EXPECT_EQ(m.Range("A1:B3").Get("VerticalAlignment"), Variant(-4108));
    EXPECT_EQ(m.h.LogLines(), (Lines{"Align Reset", "Align Apply"}));
}

TEST(CellPropAlignReset, AnAlignmentTheListsDoNotOfferIsKeptAfterAReset) {
    // Justify and centre across the selection are in neither list: a reset
    // must not leave the user's earlier pick showing, or an untouched OK
    // would write it over the cells.
    AlignFixture f(Variant(-4130), Variant(-4130), Variant(false));
    f.page.cbxHorizonAlign->UserSelect(3);
    f.page.cbxVerticalAlign->UserSelect(0);
    f.page.OnReset();
    EXPECT_EQ(f.page.cbxHorizonAlign->ListIndex(), -1);
    EXPECT_EQ(f.page.cbxVerticalAlign->ListIndex(), -1);
    EXPECT_EQ(f.Apply(), (Lines{"Put WrapText = Null", "Put ShrinkToFit = Null", "Call Apply()"}));
}
