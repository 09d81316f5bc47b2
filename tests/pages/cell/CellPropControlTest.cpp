#include "vantor/pages/cell/CellPropControl.hpp"
#include "tests/pages/cell/CellPageModel.hpp"
#include "tests/pages/cell/LoggedFake.hpp"
#include "tests/support/PageHarness.hpp"
#include "vantor/framework/ClassTable.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

using Lines = std::vector<std::string>;

namespace {

// The application's control kinds: for-each, "Count" and "Item" by name.
class FakeKinds : public FakeObject {
public:
    FakeKinds() {
        Method("Item", [this](std::span<const Variant> args) -> Variant {
            for (const auto& kind : kinds) {
                if (kind->Value("Name") == args[0]) {
                    return Variant(ObjectRef(kind));
                }
            }
            throw AutomationError(err::SubscriptOutOfRange);
        });
    }
    void AddKind(const std::string& name, const std::string& caption,
                 const std::string& description) {
        auto kind = std::make_shared<FakeObject>();
        kind->Set("Name", Variant(name))
            .Set("Caption", Variant(caption))
            .Set("Description", Variant(description));
        kinds.push_back(kind);
        Set("Count", Variant(static_cast<int32_t>(kinds.size())));
    }
    std::vector<Variant> Enumerate() override {
        std::vector<Variant> items;
        for (const auto& kind : kinds) {
            items.emplace_back(ObjectRef(kind));
        }
        return items;
    }
    std::vector<std::shared_ptr<FakeObject>> kinds;
};

struct ControlFixture : RecordedPage<CellPropControl> {
    std::shared_ptr<LoggedFake> control = std::make_shared<LoggedFake>("Control", writes);
    std::shared_ptr<FakeKinds> kinds = std::make_shared<FakeKinds>();

    ControlFixture(Variant name, Variant hide) {
        // Captions differ from names, as they do in the application.
        kinds->AddKind("CheckBox", "Check box", "Ticks or clears.");
        kinds->AddKind("DropDownList", "Drop-down list", "Offers a list.");
        kinds->AddKind("Button", "Button", "A push button.");
        control->Set("Name", name).Set("HideOnDeactivate", hide);
        target->Set("Controls", Variant(ObjectRef(kinds)))
            .Set("Control", Variant(ObjectRef(control)))
            .Set("ApplyCache", Variant(0));
        target->Method("Apply");
    }
};

} // namespace

TEST(CellPropControlLoad, ListsNoneAndEveryKindByCaption) {
    ControlFixture f(Variant("DropDownList"), Variant(true));
    f.Load();
    const auto& list = *f.page.lstControl;
    ASSERT_EQ(list.ListCount(), 4);
    EXPECT_EQ(list.List(0), CellPropControl::NoneEntry);
    EXPECT_EQ(list.List(1), "Check box");
    EXPECT_EQ(list.List(3), "Button");
    EXPECT_EQ(f.page.ControlNames(), (Lines{"CheckBox", "DropDownList", "Button"}));
    EXPECT_EQ(f.h.LogLines(), (Lines{"Control Reset"}));
}

TEST(CellPropControlLoad, SelectsTheCellsKindByItsNameAfterEveryReset) {
    ControlFixture f(Variant("DropDownList"), Variant(true));
    f.Load();
    EXPECT_EQ(f.page.lstControl->ListIndex(), 2);
    EXPECT_EQ(f.page.lblDescription->Caption(), "Offers a list.");
    EXPECT_TRUE(f.page.chkHideOnDeactive->Enabled());
    EXPECT_EQ(f.page.chkHideOnDeactive->Value(), 1);
    f.page.lstControl->UserSelect(1);
    f.page.OnReset();
    EXPECT_EQ(f.page.lstControl->ListIndex(), 2);
    EXPECT_EQ(f.page.lblDescription->Caption(), "Offers a list.");
}

TEST(CellPropControlLoad, NoControlSelectsNoneAndDisablesTheBox) {
    ControlFixture f(Variant("  "), Variant(false));
    f.Load();
    EXPECT_EQ(f.page.lstControl->ListIndex(), 0);
    EXPECT_EQ(f.page.lblDescription->Caption(), CellPropControl::NoneDescription);
    EXPECT_FALSE(f.page.chkHideOnDeactive->Enabled());
    EXPECT_EQ(f.site->modified, 0);
}

TEST(CellPropControlLoad, ACellWithoutAControlLeavesNoSelectionAndIsLogged) {
    ControlFixture f(Variant(""), Variant(false));
    f.target->Fail("Control", 1004, "No control");
    f.Load();
    EXPECT_EQ(f.page.lstControl->ListIndex(), -1);
    EXPECT_EQ(f.h.LogLines(), (Lines{"Control Reset", "Control Reset - Error: 1004,No control"}));
}

TEST(CellPropControlLoad, AnUnknownNameLeavesTheDescriptionEmptyAndIsLoggedByItsRoutine) {
    ControlFixture f(Variant("Slider"), Variant(false));
    f.Load();
    EXPECT_EQ(f.page.lstControl->ListIndex(), -1);
    EXPECT_EQ(f.page.lblDescription->Caption(), "");
    EXPECT_EQ(f.h.LogLines(),
              (Lines{"Control Reset", "LoadSettingControl - Error: 9,Subscript out of range"}));
}

TEST(CellPropControlLoad, ATargetWithoutKindsOffersOnlyNone) {
    ControlFixture f(Variant(""), Variant(false));
    f.target->Fail("Controls", 438);
    f.Load();
    EXPECT_EQ(f.page.lstControl->ListCount(), 1);
    EXPECT_EQ(f.page.lstControl->ListIndex(), 0);
}

TEST(CellPropControlClick, ShowsTheChosenKindsDescription) {
    ControlFixture f(Variant(""), Variant(false));
    f.Load();
    f.page.lstControl->UserSelect(3);
    EXPECT_EQ(f.page.lblDescription->Caption(), "A push button.");
    EXPECT_TRUE(f.page.chkHideOnDeactive->Enabled());
    f.page.lstControl->UserSelect(0);
    EXPECT_EQ(f.page.lblDescription->Caption(), CellPropControl::NoneDescription);
    EXPECT_FALSE(f.page.chkHideOnDeactive->Enabled());
    EXPECT_EQ(f.site->modified, 2);
    EXPECT_EQ(f.target->Value("ApplyCache"), Variant(1));
}

TEST(CellPropControlApply, NoneWritesAnEmptyNameAndNoHideFlag) {
    ControlFixture f(Variant("Button"), Variant(true));
    f.Load();
    f.page.lstControl->UserSelect(0);
    f.writes->clear();
    f.page.OnApply();
    EXPECT_EQ(*f.writes, (Lines{"Control: Put Name = String(\"\")", "Cells: Call Apply()"}));
    EXPECT_EQ(f.h.LogLines(), (Lines{"Control Reset", "Control Apply"}));
}

TEST(CellPropControlApply, AnotherKindWritesNameThenAPlainHideFlag) {
    ControlFixture f(Variant("CheckBox"), Variant::Null());
    f.Load();
    EXPECT_EQ(f.page.chkHideOnDeactive->Value(), 2);
    f.page.lstControl->UserSelect(3);
    f.writes->clear();
    f.page.OnApply();
    // A grey box counts as hiding.
    EXPECT_EQ(*f.writes, (Lines{"Control: Put Name = String(\"Button\")",
                                "Control: Put HideOnDeactivate = True", "Cells: Call Apply()"}));
    f.page.lstControl->UserSelect(2);
    f.page.chkHideOnDeactive->UserClick();
    f.page.chkHideOnDeactive->UserClick();
    f.writes->clear();
    f.page.OnApply();
    EXPECT_EQ(*f.writes, (Lines{"Control: Put Name = String(\"DropDownList\")",
                                "Control: Put HideOnDeactivate = False", "Cells: Call Apply()"}));
}

TEST(CellPropControlApply, TheSameKindWritesOnlyTheHideFlagThroughItsComparison) {
    ControlFixture f(Variant("CheckBox"), Variant(false));
    f.Load();
    f.page.lstControl->UserSelect(2);
    f.page.lstControl->UserSelect(1);
    f.page.OnApply();
    EXPECT_EQ(*f.writes, (Lines{"Cells: Put ApplyCache = Long(1)",
                                "Control: Put HideOnDeactivate = Null", "Cells: Call Apply()"}));
    f.page.chkHideOnDeactive->UserClick();
    f.writes->clear();
    f.page.OnApply();
    EXPECT_EQ(*f.writes, (Lines{"Control: Put HideOnDeactivate = True", "Cells: Call Apply()"}));
}

TEST(CellPropControlApply, NoSelectionWritesNothing) {
    ControlFixture f(Variant("Slider"), Variant(false));
    f.Load();
    f.page.OnApply();
    EXPECT_EQ(*f.writes, (Lines{"Cells: Call Apply()"}));
}

TEST(CellPropControlDesign, TitleAndCreation) {
    PageHarness h;
    auto object = ClassTable::Create("CellPropControl");
    auto* page = dynamic_cast<CellPropControl*>(object.get());
    ASSERT_NE(page, nullptr);
    std::string caption;
    page->GetCaption(caption);
    EXPECT_EQ(caption, "Control");
    EXPECT_EQ(page->Control("lblDescription").Container(), "frmDescription");
}

TEST(CellPropControlModel, AKindChosenForEmptyCellsReachesThem) {
    PageHarness h;
    CellPageModel m;
    CellPropControl page;
    page.SetSite(std::make_shared<FakeSite>());
    page.SetTargets(PageHarness::Targets(m.Range("C3:D4")));
    EXPECT_EQ(page.lstControl->ListCount(), 6);
    EXPECT_EQ(page.lstControl->ListIndex(), 0);
    EXPECT_FALSE(page.chkHideOnDeactive->Enabled());
    page.lstControl->UserSelect(4); // "Date picker"
    EXPECT_EQ(page.ControlNames()[3], "DatePicker");
    page.chkHideOnDeactive->UserClick();
    page.OnApply();
    EXPECT_EQ(m.Range("C3:D4").Get("Control").Get("Name"), Variant("DatePicker"));
    EXPECT_EQ(m.Range("C3:D4").Get("Control").Get("HideOnDeactivate"), Variant(true));
    EXPECT_EQ(h.LogLines(), (Lines{"Control Reset", "Control Apply"}));

    // Loaded again, the kind whose caption differs from its name is selected.
    CellPropControl again;
    again.SetSite(std::make_shared<FakeSite>());
    again.SetTargets(PageHarness::Targets(m.Range("C3:D4")));
    EXPECT_EQ(again.lstControl->ListIndex(), 4);
    again.lstControl->UserSelect(0);
    again.OnApply();
    EXPECT_EQ(m.Range("C3").Get("Control").Get("Name"), Variant(""));
}

TEST(CellPropControlModel, CellsOfDifferentKindsShowNoKindAndKeepTheirOwn) {
    PageHarness h;
    CellPageModel m;
    const ObjectRef a1 = m.Range("A1");
    a1.Get("Control").ToObject().Put("Name", Variant("Button"));
    a1.Call("Apply");
    CellPropControl page;
    page.SetSite(std::make_shared<FakeSite>());
    page.SetTargets(PageHarness::Targets(m.Range("A1:A2")));
    EXPECT_EQ(page.lstControl->ListIndex(), -1);
    EXPECT_EQ(page.lblDescription->Caption(), "");
    page.chkHideOnDeactive->UserClick();
    page.OnApply();
    EXPECT_EQ(m.Range("A1").Get("Control").Get("Name"), Variant("Button"));
    EXPECT_EQ(m.Range("A2").Get("Control").Get("Name"), Variant(""));
    // The mixed kind cannot be shown as one name; that is logged, not shown.
    EXPECT_EQ(h.LogLines(), (Lines{"Control Reset", "Control Reset - Error: 94,Invalid use of Null",
                                   "Control Apply"}));
}
