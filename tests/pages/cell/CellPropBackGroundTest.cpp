#include "vantor/pages/cell/CellPropBackGround.hpp"
#include "tests/pages/cell/CellPageModel.hpp"
#include "tests/pages/cell/LoggedFake.hpp"
#include "tests/support/PageHarness.hpp"

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

} // namespace

TEST(CellPropBackGroundLoad, ShowsColoursAndPatternAndMixedOnesUndecided) {
    struct Case {
        Variant color, colorIndex, pattern, patternColor, patternColorIndex;
        int32_t colorShown, patternShown, patternColorShown;
    };
    // A loaded solid keeps its pattern colour: loading is no user's choice of solid.
    for (const Case& c :
         {Case{Variant(Yellow), Variant(6), Variant(15), Variant(Red), Variant(3), Yellow, 15, Red},
          Case{Variant(Yellow), Variant(6), Variant(1), Variant(Red), Variant(3), Yellow, 1, Red},
          Case{Variant::Null(), Variant::Null(), Variant::Null(), Variant::Null(), Variant::Null(),
               ColorSelBox::NoColor, 0, ColorSelBox::NoColor}}) {
        BackgroundFixture f(c.color, c.colorIndex, c.pattern, c.patternColor, c.patternColorIndex);
        f.Load();
        EXPECT_EQ(f.page.csxBackColor->SelColor(), c.colorShown);
        EXPECT_EQ(f.PatternData(), c.patternShown);
        EXPECT_EQ(f.page.csxPatternColor->SelColor(), c.patternColorShown);
        EXPECT_EQ(f.site->modified, 0);
        EXPECT_EQ(f.h.LogLines(), (Lines{"Background Reset"}));
    }
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

TEST(CellPropBackGroundColour, OverNoOrMixedPatternSwitchesToSolidWithAutomaticPatternColour) {
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

    BackgroundFixture mixed(Variant::Null(), Variant::Null(), Variant::Null(), Variant(0),
                            Variant(-4105));
    mixed.Load();
    mixed.page.csxBackColor->UserPickColor(Red);
    EXPECT_EQ(mixed.PatternData(), 1);
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

TEST(CellPropBackGroundNotify, EachPickMarksThePageAndCountsOnce) {
    BackgroundFixture f(Variant(16777215), Variant(-4105), Variant(-4142), Variant(0),
                        Variant(-4105));
    f.Load();
    f.page.csxPatternColor->UserPickColor(Red);
    f.page.cbxPatternStyle->UserSelect(3);
    f.page.csxBackColor->UserPickColor(Red);
    EXPECT_EQ(f.site->modified, 3);
    EXPECT_EQ(f.target->Value("ApplyCache"), Variant(1));
}

TEST(CellPropBackGroundModel, AFillPickedOverEmptyCellsIsSolid) {
    CellPageModel m;
    CellPropBackGround page;
    m.Open(page, "B2:C4");
    EXPECT_EQ(page.csxBackColor->SelColor(), ColorSelBox::Automatic);
    page.csxBackColor->UserPickColor(Yellow);
    page.OnApply();
    const ObjectRef interior = m.Range("B2:C4").Get("Interior").ToObject();
    EXPECT_EQ(interior.Get("color"), Variant(Yellow));
    EXPECT_EQ(interior.Get("Pattern"), Variant(1));
    EXPECT_EQ(interior.Get("PatternColorIndex"), Variant(-4105));
    EXPECT_EQ(m.Range("A1").Get("Interior").Get("Pattern"), Variant(-4142));
    EXPECT_EQ(m.h.LogLines(), (Lines{"Background Reset", "Background Apply"}));
}
