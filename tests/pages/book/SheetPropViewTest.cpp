#include "vantor/pages/book/SheetPropView.hpp"
#include "model/Application.hpp"
#include "model/SheetSelection.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "tests/support/PageHarness.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

using Lines = std::vector<std::string>;

namespace {

std::shared_ptr<FakeObject> Sheet(const Variant& gridlines) {
    auto sheet = std::make_shared<FakeObject>();
    sheet->Set("DisplayHeadings", Variant(true)).Set("DisplayGridlines", gridlines);
    return sheet;
}

} // namespace

TEST(SheetPropView, GridlinesSteerTheColourBox) {
    PageHarness h;
    auto site = std::make_shared<FakeSite>();
    SheetPropView page;
    EXPECT_FALSE(page.csxGridColor->Enabled());
    page.SetSite(site);
    auto sheet = Sheet(Variant(true));
    page.SetTargets(PageHarness::Targets(sheet));
    EXPECT_EQ(page.chkShowGrid->Value(), 1);
    EXPECT_TRUE(page.csxGridColor->Enabled());
    EXPECT_EQ(site->modified, 0);

    page.chkShowGrid->UserClick();
    EXPECT_FALSE(page.csxGridColor->Enabled());
    EXPECT_EQ(site->modified, 1);
    page.OnApply();
    EXPECT_EQ(sheet->Writes(),
              (Lines{"Put DisplayHeadings = Null", "Put DisplayGridlines = False"}));
    EXPECT_EQ(h.LogLines(), (Lines{"View Reset", "View Apply"}));
}

TEST(SheetPropView, TheColourMarksModifiedButIsNotWritten) {
    PageHarness h;
    auto site = std::make_shared<FakeSite>();
    SheetPropView page;
    page.SetSite(site);
    auto sheet = Sheet(Variant(true));
    page.SetTargets(PageHarness::Targets(sheet));
    page.csxGridColor->UserPickColor(0x0000FF);
    EXPECT_EQ(site->modified, 1); // once, though the box raises two events
    page.OnApply();
    EXPECT_EQ(sheet->Writes(),
              (Lines{"Put DisplayHeadings = Null", "Put DisplayGridlines = Null"}));
}

TEST(SheetPropView, FreezingTogglesTheNumberBoxesWithoutMarkingModified) {
    PageHarness h;
    auto site = std::make_shared<FakeSite>();
    SheetPropView page;
    page.SetSite(site);
    page.SetTargets(PageHarness::Targets(Sheet(Variant(true))));
    EXPECT_FALSE(page.nbeRowNumber->Enabled());
    page.chkFixRowCol->UserClick();
    EXPECT_TRUE(page.nbeRowNumber->Enabled());
    EXPECT_TRUE(page.nbeColNumber->Enabled());
    page.chkFixRowCol->UserClick();
    EXPECT_FALSE(page.nbeColNumber->Enabled());
    EXPECT_EQ(site->modified, 0);
}

TEST(SheetPropView, SheetsThatDifferShowGreyAndKeepTheirOwn) {
    PageHarness h;
    auto app = model::Application::Create(std::vector<std::string>{"Sans"});
    auto book = app->AddWorkbook("Book1");
    book->Sheet(1)->SetDisplayGridlines(false);
    const ObjectRef sheets(book->SelectSheets({"Sheet1", "Sheet2"}));
    SheetPropView page;
    page.SetSite(std::make_shared<FakeSite>());
    page.SetTargets(PageHarness::Targets(sheets));
    EXPECT_EQ(page.chkShowGrid->Value(), 2);
    EXPECT_TRUE(page.csxGridColor->Enabled());
    EXPECT_EQ(page.chkShowHeader->Value(), 1);

    page.chkShowHeader->UserClick();
    page.OnApply();
    EXPECT_TRUE(book->Sheet(0)->DisplayGridlines());
    EXPECT_FALSE(book->Sheet(1)->DisplayGridlines());
    EXPECT_FALSE(book->Sheet(0)->DisplayHeadings());
    EXPECT_FALSE(book->Sheet(1)->DisplayHeadings());
}
