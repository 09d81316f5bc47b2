#include "vantor/pages/app/AppPropDefault.hpp"
#include "model/Application.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "tests/support/PageHarness.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

using Lines = std::vector<std::string>;

namespace {

std::shared_ptr<FakeObject> App(const Variant& sheets) {
    auto app = std::make_shared<FakeObject>();
    app->Set("SheetsInNewWorkbook", sheets).Set("DefaultDisplayGridlines", Variant(false));
    app->Set("DefaultGridlineColor", Variant(12632256)).Set("DefaultGridlineColorIndex", Variant(-4105));
    return app;
}

} // namespace

TEST(AppPropDefault, GridlineControlsWriteTheDefaultsOnlyWhenChanged) {
    PageHarness h;
    auto app = App(Variant(3));
    auto site = std::make_shared<FakeSite>();
    AppPropDefault page;
    page.SetSite(site);
    page.SetTargets(PageHarness::Targets(app));
    EXPECT_EQ(page.nbeSheetCount->Value(), Variant(3));
    EXPECT_EQ(page.csxGridColor->SelColor(), ColorSelBox::Automatic);
    EXPECT_FALSE(page.csxGridColor->Enabled());
    page.OnApply();
    EXPECT_EQ(app->Writes(), (Lines{"Put SheetsInNewWorkbook = Null", "Put DefaultDisplayGridlines = Null"}));
    app->ClearWrites();
    page.chkShowGrid->UserClick();
    EXPECT_TRUE(page.csxGridColor->Enabled());
    page.csxGridColor->UserPickColor(0xFF0000);
    EXPECT_EQ(site->modified, 2);
    page.OnApply();
    EXPECT_EQ(app->Writes(), (Lines{"Put SheetsInNewWorkbook = Null", "Put DefaultDisplayGridlines = True",
                                    "Put DefaultGridlineColor = Long(16711680)"}));
    EXPECT_EQ(h.LogLines(), (Lines{"Default Reset", "Default Apply", "Default Apply"}));
}

TEST(AppPropDefault, SetsTheSheetsOfNewWorkbooks) {
    PageHarness h;
    auto app = model::Application::Create(std::vector<std::string>{"Sans"});
    AppPropDefault page;
    page.SetSite(std::make_shared<FakeSite>());
    page.SetTargets(PageHarness::Targets(ObjectRef(app)));
    page.nbeSheetCount->UserType("0"); // no workbook without a sheet
    EXPECT_EQ(page.nbeSheetCount->Value(), Variant(1));
    page.nbeSheetCount->UserType("5");
    page.chkShowGrid->UserClick(); // shown at first: now hidden
    page.OnApply();
    const auto book = app->AddWorkbook("Book2");
    EXPECT_EQ(book->Sheets().size(), 5u);
    EXPECT_FALSE(book->Sheets().back()->DisplayGridlines());
    EXPECT_EQ(h.LogLines(), (Lines{"Default Reset", "Default Apply"}));
}

TEST(AppPropDefault, ACountTheBoxCannotShowIsKeptNotOverwritten) {
    struct Case {
        Variant stored;
        Variant shown;
    };
    // 80 and 255 are counts the application takes; anything beyond shows undecided.
    for (const Case& c : {Case{Variant(80), Variant(80)}, Case{Variant(255), Variant(255)},
                          Case{Variant(300), Variant::Null()}}) {
        PageHarness h;
        auto app = App(c.stored);
        AppPropDefault page;
        page.SetSite(std::make_shared<FakeSite>());
        page.SetTargets(PageHarness::Targets(app));
        EXPECT_EQ(page.nbeSheetCount->Value(), c.shown) << c.stored.Describe();
        page.OnApply();
        EXPECT_EQ(app->Writes().front(), "Put SheetsInNewWorkbook = Null") << c.stored.Describe();
        EXPECT_EQ(h.LogLines(), (Lines{"Default Reset", "Default Apply"}));
    }
}

TEST(AppPropDefault, TheBoxStartsAtOneSinceNoWorkbookIsWithoutASheet) {
    // A box starting at 0 would offer a count the application refuses.
    AppPropDefault page;
    EXPECT_EQ(page.nbeSheetCount->Value(), Variant(1));
    EXPECT_EQ(page.nbeSheetCount->Min(), 1);
}
