#include "vantor/pages/cell/CellPropControl.hpp"
#include "tests/pages/cell/CellPageModel.hpp"
#include "tests/pages/cell/LoggedFake.hpp"
#include "tests/support/PageHarness.hpp"

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

TEST(CellPropControlLoad, ListsKindsByCaptionAndSelectsTheCellsKindByNameAfterEveryReset) {
    ControlFixture f(Variant("DropDownList"), Variant(true));
    f.Load();
    std::string caption;
    f.page.GetCaption(caption);
    EXPECT_EQ(caption, "control");
    const auto& list = *f.page.lstControl;
    ASSERT_EQ(list.ListCount(), 4);
    EXPECT_EQ(list.List(0), CellPropControl::NoneEntry);
    EXPECT_EQ(list.List(1), "Check box");
    EXPECT_EQ(list.List(3), "Button");
    EXPECT_EQ(f.page.ControlNames(), (Lines{"CheckBox", "DropDownList", "Button"}));
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_EQ(f.page.lblDescription->Caption(), "Offers a list.");
    EXPECT_TRUE(f.page.chkHideOnDeactive->Enabled());
    EXPECT_EQ(f.page.chkHideOnDeactive->Value(), 1);
    EXPECT_EQ(f.h.LogLines(), (Lines{"Control Reset"}));
    f.page.lstControl->UserSelect(1);
    f.page.OnReset();
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_EQ(f.page.lblDescription->Caption(), "Offers a list.");
}

TEST(CellPropControlLoad, NoControlOrAnUnknownKindLeavesNoSelectionIsLoggedAndWritesNothing) {
    struct Case {
        Variant name;
        bool noControl;
        std::string logged;
    };
    for (const Case& c :
         {Case{Variant(""), true, "Control Reset - Error: 1004,No control"},
          Case{Variant("Slider"), false, "LoadSettingControl - Error: 9,Subscript out of range"},
          Case{Variant::Null(), false, "Control Reset - Error: 94,Invalid use of Null"}}) {
        ControlFixture f(c.name, Variant(false));
        if (c.noControl) {
            f.target->Fail("Control", 1004, "No control");
        }
        f.Load();
        EXPECT_EQ(f.page.lstControl->ListIndex(), -1);
        EXPECT_EQ(f.page.lblDescription->Caption(), "");
        EXPECT_EQ(f.h.LogLines(), (Lines{"Control Reset", c.logged}));
        f.page.OnApply();
        EXPECT_EQ(*f.writes, (Lines{"Cells: Call Apply()"}));
    }
}

TEST(CellPropControlClick, ShowsTheChosenKindsDescriptionAndEnablesHidingForAKind) {
    ControlFixture f(Variant("  "), Variant(false)); // a blank name is no control
    f.Load();
    EXPECT_EQ(f.page.lstControl->ListIndex(), 0);
    EXPECT_EQ(f.page.lblDescription->Caption(), CellPropControl::NoneDescription);
    EXPECT_FALSE(f.page.chkHideOnDeactive->Enabled());
    EXPECT_EQ(f.site->modified, 0);
    f.page.lstControl->UserSelect(3);
    EXPECT_EQ(f.page.lblDescription->Caption(), "A push button.");
    EXPECT_TRUE(f.page.chkHideOnDeactive->Enabled());
    f.page.lstControl->UserSelect(0);
    EXPECT_EQ(f.page.lblDescription->Caption(), CellPropControl::NoneDescription);
    EXPECT_FALSE(f.page.chkHideOnDeactive->Enabled());
    EXPECT_EQ(f.site->modified, 2);
    EXPECT_EQ(f.target->Value("ApplyCache"), Variant(1));
}

TEST(CellPropControlApply, AnotherKindWritesNameThenAPlainHideFlagAndNoneOnlyAnEmptyName) {
    ControlFixture f(Variant("CheckBox"), Variant::Null());
    f.Load();
    EXPECT_EQ(f.page.chkHideOnDeactive->Value(), 2);
    f.page.lstControl->UserSelect(3);
    f.writes->clear();
    f.page.OnApply();
    // A grey box counts as hiding.
    EXPECT_EQ(*f.writes, (Lines{"Control: Put Name = String(\"Button\")",
                                "Control: Put HideOnDeactivate = True", "Cells: Call Apply()"}));
    f.page.lstControl->UserSelect(0);
    f.writes->clear();
    f.page.OnApply();
    EXPECT_EQ(*f.writes, (Lines{"Control: Put Name = String(\"\")", "Cells: Call Apply()"}));
    EXPECT_EQ(f.h.LogLines(), (Lines{"Control Reset", "Control Apply", "Control Apply"}));
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

TEST(CellPropControlModel, AKindChosenForEmptyCellsReachesThem) {
    CellPageModel m;
    CellPropControl page;
    m.Open(page, "C3:D4");
    EXPECT_EQ(page.lstControl->ListCount(), 6);
    EXPECT_EQ(page.lstControl->ListIndex(), 0);
    EXPECT_FALSE(page.chkHideOnDeactive->Enabled());
    page.lstControl->UserSelect(4); // "Date picker"
    EXPECT_EQ(page.ControlNames()[3], "DatePicker");
    page.chkHideOnDeactive->UserClick();
    page.OnApply();
    EXPECT_EQ(m.Range("C3:D4").Get("Control").Get("Name"), Variant("DatePicker"));
    EXPECT_EQ(m.Range("C3:D4").Get("Control").Get("HideOnDeactivate"), Variant(true));
    EXPECT_EQ(m.h.LogLines(), (Lines{"Control Reset", "Control Apply"}));

    // Loaded again, the kind whose caption differs from its name is selected.
    CellPropControl again;
    m.Open(again, "C3:D4");
    EXPECT_EQ(again.lstControl->ListIndex(), 4);
    again.lstControl->UserSelect(0);
    again.OnApply();
    EXPECT_EQ(m.Range("C3").Get("Control").Get("Name"), Variant(""));
}
