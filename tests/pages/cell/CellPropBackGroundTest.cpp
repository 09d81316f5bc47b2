#include "vantor/pages/cell/CellPropBackGround.hpp"
#include "tests/pages/cell/CellPageModel.hpp"
#include "tests/pages/cell/LoggedFake.hpp"
#include "tests/support/PageHarness.hpp"
#include "vantor/framework/ClassTable.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

using Lines = std::vector<std::string>;

namespace {

constexpr int32_t Red = 0x0000FF;
constexpr int32_t Yellow = 0x00FFFF;

struct BackgroundFixture : RecordedPage<CellPropBackGround> {
    std::shared_ptr<LoggedFake> interior = std::make_shared<LoggedFake>("Interior", writes);

    BackgroundFixture(Variant color, Variant colorIndex, Variant pattern, Variant patternColor,
                      Variant patternColorIndex) {
        interior->Set("color", color)
            .Set("ColorIndex", colorIndex)
            .Set("Pattern", pattern)
            .Set("PatternColor", patternColor)
            .Set("PatternColorIndex", patternColorIndex);
        target->Set("Interior", Variant(ObjectRef(interior))).Set("ApplyCache", Variant(0));
        target->Method("Apply");
    }

    int32_t PatternData() const {
        const int32_t index = page.cbxPatternStyle->ListIndex();
        return index < 0 ? 0 : page.cbxPatternStyle->ItemData(index);
    }
};

// Cells with no fill: automatic colours and no pattern.
BackgroundFixture NoFill() {
    return BackgroundFixture(Variant(16777215), Variant(-4105), Variant(-4142), Variant(0),
                             Variant(-4105));
}

} // namespace

TEST(CellPropBackGroundLoad, ShowsColoursAndPattern) {
    BackgroundFixture f(Variant(Yellow), Variant(6), Variant(15), Variant(Red), Variant(3));
    f.Load();
    EXPECT_EQ(f.page.csxBackColor->SelColor(), Yellow);
    EXPECT_EQ(f.PatternData(), 15);
    EXPECT_EQ(f.page.csxPatternColor->SelColor(), Red);
    EXPECT_EQ(f.site->modified, 0);
    EXPECT_EQ(f.h.LogLines(), (Lines{"Background Reset"}));
}

TEST(CellPropBackGroundLoad, MixedValuesShowNoColourAndNoPattern) {
    BackgroundFixture f(Variant::Null(), Variant::Null(), Variant::Null(), Variant::Null(),
                        Variant::Null());
    f.Load();
    EXPECT_EQ(f.page.csxBackColor->SelColor(), ColorSelBox::NoColor);
    EXPECT_EQ(f.page.cbxPatternStyle->ListIndex(), -1);
    EXPECT_EQ(f.page.csxPatternColor->SelColor(), ColorSelBox::NoColor);
}

TEST(CellPropBackGroundLoad, APatternTheListLacksShowsNoSelectionAndIsKept) {
    // A coloured cell with a 25% grey pattern: loading the colour must not
    // leave the list on solid.
    BackgroundFixture f(Variant(Yellow), Variant(6), Variant(-4124), Variant(0), Variant(-4105));
    f.Load();
    EXPECT_EQ(f.page.cbxPatternStyle->ListIndex(), -1);
    f.page.OnApply();
    EXPECT_EQ(*f.writes,
              (Lines{"Interior: Put color = Long(65535)",
                     "Interior: Put PatternColorIndex = Long(-4105)", "Cells: Call Apply()"}));
}

TEST(CellPropBackGroundColour, OverNoPatternSwitchesToSolidWithAutomaticPatternColour) {
    BackgroundFixture f(Variant(16777215), Variant(-4105), Variant(-4142), Variant(Red),
                        Variant(3));
    f.Load();
    EXPECT_EQ(f.page.csxPatternColor->SelColor(), Red);
    f.page.csxBackColor->UserPickColor(Yellow);
    EXPECT_EQ(f.PatternData(), 1);
    EXPECT_EQ(f.page.csxPatternColor->SelColor(), ColorSelBox::Automatic);
    f.page.OnApply();
    EXPECT_EQ(*f.writes,
              (Lines{"Cells: Put ApplyCache = Long(1)", "Interior: Put color = Long(65535)",
                     "Interior: Put Pattern = Long(1)",
                     "Interior: Put PatternColorIndex = Long(-4105)", "Cells: Call Apply()"}));
}

TEST(CellPropBackGroundColour, OverMixedPatternSwitchesToSolid) {
    BackgroundFixture f(Variant::Null(), Variant::Null(), Variant::Null(), Variant(0),
                        Variant(-4105));
    f.Load();
    f.page.csxBackColor->UserPickColor(Red);
    EXPECT_EQ(f.PatternData(), 1);
}

TEST(CellPropBackGroundColour, OverAHatchKeepsThePattern) {
    BackgroundFixture f(Variant(16777215), Variant(-4105), Variant(15), Variant(Red), Variant(3));
    f.Load();
    f.page.csxBackColor->UserPickColor(Yellow);
    EXPECT_EQ(f.PatternData(), 15);
    EXPECT_EQ(f.page.csxPatternColor->SelColor(), Red);
    f.page.OnApply();
    EXPECT_EQ(*f.writes, (Lines{"Cells: Put ApplyCache = Long(1)",
                                "Interior: Put color = Long(65535)", "Interior: Put Pattern = Null",
                                "Interior: Put PatternColor = Long(255)", "Cells: Call Apply()"}));
}

TEST(CellPropBackGroundColour, AutomaticIsWrittenAsTheAutomaticIndex) {
    BackgroundFixture f(Variant(Yellow), Variant(6), Variant(1), Variant(0), Variant(-4105));
    f.Load();
    f.page.csxBackColor->UserPickAutomatic();
    f.page.OnApply();
    EXPECT_EQ(*f.writes,
              (Lines{"Cells: Put ApplyCache = Long(1)", "Interior: Put ColorIndex = Long(-4105)",
                     "Interior: Put Pattern = Null",
                     "Interior: Put PatternColorIndex = Long(-4105)", "Cells: Call Apply()"}));
}

TEST(CellPropBackGroundColour, MixedColoursLeftAloneAreNotWritten) {
    BackgroundFixture f(Variant::Null(), Variant::Null(), Variant::Null(), Variant::Null(),
                        Variant::Null());
    f.Load();
    f.page.OnApply();
    EXPECT_EQ(*f.writes, (Lines{"Cells: Call Apply()"}));
    EXPECT_EQ(f.h.LogLines(), (Lines{"Background Reset", "Background Apply"}));
}

TEST(CellPropBackGroundPattern, ReChoosingTheCurrentPatternWritesNull) {
    BackgroundFixture f(Variant(Yellow), Variant(6), Variant(13), Variant(Red), Variant(3));
    f.Load();
    f.page.cbxPatternStyle->UserSelect(4);
    f.page.cbxPatternStyle->UserSelect(9); // 13 again
    f.page.OnApply();
    EXPECT_EQ(*f.writes, (Lines{"Cells: Put ApplyCache = Long(1)",
                                "Interior: Put color = Long(65535)", "Interior: Put Pattern = Null",
                                "Interior: Put PatternColor = Long(255)", "Cells: Call Apply()"}));
}

TEST(CellPropBackGroundPattern, ChoosingSolidResetsThePatternColour) {
    BackgroundFixture f(Variant(Yellow), Variant(6), Variant(15), Variant(Red), Variant(3));
    f.Load();
    f.page.cbxPatternStyle->UserSelect(1);
    EXPECT_EQ(f.page.csxPatternColor->SelColor(), ColorSelBox::Automatic);
    EXPECT_EQ(f.site->modified, 2); // the pattern and the pattern colour both changed
    f.page.OnApply();
    EXPECT_EQ(*f.writes,
              (Lines{"Cells: Put ApplyCache = Long(1)", "Interior: Put color = Long(65535)",
                     "Interior: Put Pattern = Long(1)",
                     "Interior: Put PatternColorIndex = Long(-4105)", "Cells: Call Apply()"}));
}

TEST(CellPropBackGroundPattern, ALoadedSolidKeepsItsPatternColour) {
    BackgroundFixture f(Variant(Yellow), Variant(6), Variant(1), Variant(Red), Variant(3));
    f.Load();
    EXPECT_EQ(f.page.csxPatternColor->SelColor(), Red);
}

TEST(CellPropBackGroundNotify, EachPickMarksThePageAndCountsOnce) {
    auto f = NoFill();
    f.Load();
    f.page.csxPatternColor->UserPickColor(Red);
    f.page.cbxPatternStyle->UserSelect(3);
    f.page.csxBackColor->UserPickColor(Red);
    EXPECT_EQ(f.site->modified, 3);
    EXPECT_EQ(f.target->Value("ApplyCache"), Variant(1));
}

TEST(CellPropBackGroundErrors, NoInteriorLeavesControlsAndWritesNothing) {
    auto f = NoFill();
    f.Load();
    f.page.csxBackColor->UserPickColor(Red);
    f.target->Fail("Interior", 1004, "No interior");
    f.writes->clear();
    f.page.OnReset();
    EXPECT_EQ(f.page.csxBackColor->SelColor(), Red);
    EXPECT_EQ(f.PatternData(), 1);
    f.page.OnApply();
    EXPECT_EQ(*f.writes, (Lines{"Cells: Call Apply()"}));
    const Lines log = f.h.LogLines();
    EXPECT_EQ(log[log.size() - 3], "Background Reset - Error: 1004,No interior");
    EXPECT_EQ(log.back(),
              "Background Apply - Error: 91,Object variable or With block variable not set");
}

TEST(CellPropBackGroundErrors, ARefusedColourDoesNotStopThePattern) {
    auto f = NoFill();
    f.Load();
    f.page.csxBackColor->UserPickColor(Red);
    f.interior->Fail("color", 1004, "Refused");
    f.writes->clear();
    f.page.OnApply();
    EXPECT_EQ(*f.writes,
              (Lines{"Interior: Put color = Long(255) !1004", "Interior: Put Pattern = Long(1)",
                     "Interior: Put PatternColorIndex = Long(-4105)", "Cells: Call Apply()"}));
    EXPECT_EQ(f.h.LogLines().back(), "Background Apply - Error: 1004,Refused");
}

TEST(CellPropBackGroundDesign, TitleAndPatternList) {
    PageHarness h;
    auto object = ClassTable::Create("CellPropBackGround");
    auto* page = dynamic_cast<CellPropBackGround*>(object.get());
    ASSERT_NE(page, nullptr);
    std::string caption;
    page->GetCaption(caption);
    EXPECT_EQ(caption, "Background");
    const auto& list = *page->cbxPatternStyle;
    ASSERT_EQ(list.ListCount(), 16);
    const int32_t expected[] = {-4142, 1,  -4128, -4166, 11, 12, -4162, -4121,
                                14,    13, 15,    10,    9,  16, 17,    18};
    for (int32_t i = 0; i < 16; ++i) {
        EXPECT_EQ(list.ItemData(i), expected[i]) << i;
    }
    EXPECT_EQ(list.List(14).rfind("12.5%", 0), 0u);
    EXPECT_EQ(list.List(15).rfind("6.25%", 0), 0u);
    EXPECT_EQ(list.Style(), ComboStyle::DropDownList);
}

TEST(CellPropBackGroundModel, AFillPickedOverEmptyCellsIsSolid) {
    PageHarness h;
    CellPageModel m;
    CellPropBackGround page;
    page.SetSite(std::make_shared<FakeSite>());
    page.SetTargets(PageHarness::Targets(m.Range("B2:C4")));
    EXPECT_EQ(page.csxBackColor->SelColor(), ColorSelBox::Automatic);
    page.csxBackColor->UserPickColor(Yellow);
    page.OnApply();
    const ObjectRef interior = m.Range("B2:C4").Get("Interior").ToObject();
    EXPECT_EQ(interior.Get("color"), Variant(Yellow));
    EXPECT_EQ(interior.Get("Pattern"), Variant(1));
    EXPECT_EQ(interior.Get("PatternColorIndex"), Variant(-4105));
    EXPECT_EQ(m.Range("A1").Get("Interior").Get("Pattern"), Variant(-4142));
    EXPECT_EQ(h.LogLines(), (Lines{"Background Reset", "Background Apply"}));
}

TEST(CellPropBackGroundModel, MixedFillsLeftAloneStayAsTheyWere) {
    PageHarness h;
    CellPageModel m;
    const ObjectRef a1 = m.Range("A1");
    a1.Get("Interior").ToObject().Put("color", Variant(Red));
    a1.Get("Interior").ToObject().Put("Pattern", Variant(15));
    a1.Call("Apply");
    CellPropBackGround page;
    page.SetSite(std::make_shared<FakeSite>());
    page.SetTargets(PageHarness::Targets(m.Range("A1:A2")));
    EXPECT_EQ(page.cbxPatternStyle->ListIndex(), -1);
    page.csxPatternColor->UserPickColor(Yellow);
    page.OnApply();
    EXPECT_EQ(m.Range("A1").Get("Interior").Get("color"), Variant(Red));
    EXPECT_EQ(m.Range("A1").Get("Interior").Get("Pattern"), Variant(15));
    EXPECT_EQ(m.Range("A2").Get("Interior").Get("Pattern"), Variant(-4142));
    // The model gives cells without a pattern no pattern colour.
    EXPECT_EQ(m.Range("A1").Get("Interior").Get("PatternColor"), Variant(Yellow));
    EXPECT_EQ(m.Range("A2").Get("Interior").Get("PatternColorIndex"), Variant(-4105));
}
