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
    sheet->Set("GridlineColor", Variant(12632256)).Set("GridlineColorIndex", Variant(-4105));
    sheet->Set("FreezePanes", Variant(false)).Set("SplitRow", Variant(0)).Set("SplitColumn", Variant(0));
    return sheet;
}

struct ModelPage {
    PageHarness h;
    std::shared_ptr<model::Application> app = model::Application::Create(std::vector<std::string>{"Sans"});
    std::shared_ptr<model::Workbook> book = app->AddWorkbook("Book1");
    std::shared_ptr<FakeSite> site = std::make_shared<FakeSite>();
    SheetPropView page;
    void Open(const ObjectRef& target) {
        page.SetSite(site);
        page.SetTargets(PageHarness::Targets(target));
    }
};

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
    EXPECT_EQ(sheet->Writes(), (Lines{"Put DisplayHeadings = Null", "Put DisplayGridlines = False",
                                      "Put SplitRow = Null", "Put SplitColumn = Null"}));
    EXPECT_EQ(h.LogLines(), (Lines{"View Reset", "View Apply"}));
}

TEST(SheetPropView, ColourIsWrittenByIndexWhenAutomaticAndOnlyWhenChanged) {
    ModelPage f;
    const auto sheet = f.book->Sheet(0);
    f.Open(ObjectRef(sheet));
    EXPECT_EQ(f.page.csxGridColor->SelColor(), ColorSelBox::Automatic);
    f.page.csxGridColor->UserPickColor(0x0000FF);
    EXPECT_EQ(f.site->modified, 1);
    f.page.OnApply();
    EXPECT_EQ(sheet->GridlineColor(), 0x0000FF);
    f.page.OnReset();
    f.page.csxGridColor->UserPickColor(ColorSelBox::Automatic);
    f.page.OnApply();
    EXPECT_EQ(sheet->GridlineColorValue(), model::kAutoColor) << "automatic, not silver";
    sheet->SetGridlineColor(12632256); // an explicit silver stays explicit when untouched
    f.page.OnReset();
    EXPECT_EQ(f.page.csxGridColor->SelColor(), 12632256);
    f.page.OnApply();
    EXPECT_EQ(sheet->GridlineColorValue(), 12632256u);
}

TEST(SheetPropView, FreezingMarksModifiedWritesTheSplitAndUntickingClearsIt) {
    ModelPage f;
    const auto sheet = f.book->Sheet(0);
    f.Open(ObjectRef(sheet));
    EXPECT_FALSE(f.page.nbeRowNumber->Enabled());
    f.page.chkFixRowCol->UserClick();
    EXPECT_TRUE(f.page.nbeRowNumber->Enabled());
    EXPECT_TRUE(f.page.nbeColNumber->Enabled());
    EXPECT_EQ(f.site->modified, 1);
    f.page.nbeRowNumber->UserSetValue(Variant(2));
    f.page.nbeColNumber->UserSetValue(Variant(1));
    f.app->BeginUndoGroup("Worksheet");
    f.page.OnApply();
    f.app->EndUndoGroup();
    EXPECT_EQ(sheet->SplitRow(), 2);
    EXPECT_EQ(sheet->SplitColumn(), 1);

    f.page.OnReset();
    EXPECT_EQ(f.page.chkFixRowCol->Value(), 1);
    EXPECT_EQ(f.page.nbeRowNumber->Value(), Variant(2));
    f.page.chkFixRowCol->UserClick();
    EXPECT_FALSE(f.page.nbeRowNumber->Enabled());
    f.app->BeginUndoGroup("Worksheet");
    f.page.OnApply();
    f.app->EndUndoGroup();
    EXPECT_EQ(sheet->SplitRow(), 0);
    EXPECT_EQ(sheet->SplitColumn(), 0);
    f.app->Undo(); // the dialog's apply
    EXPECT_EQ(sheet->SplitRow(), 2);
    EXPECT_EQ(sheet->SplitColumn(), 1);
    EXPECT_EQ(f.page.nbeRowNumber->Max(), 1048575);
    EXPECT_EQ(f.page.nbeColNumber->Max(), 16383);
}

TEST(SheetPropView, SheetsThatDifferShowGreyAndKeepTheirOwn) {
    ModelPage f;
    f.book->Sheet(1)->SetDisplayGridlines(false);
    f.book->Sheet(1)->SetSplitRow(3);
    f.book->Sheet(1)->SetGridlineColor(255);
    f.Open(ObjectRef(f.book->SelectSheets({"Sheet1", "Sheet2"})));
    EXPECT_EQ(f.page.chkShowGrid->Value(), 2);
    EXPECT_TRUE(f.page.csxGridColor->Enabled());
    EXPECT_EQ(f.page.csxGridColor->SelColor(), ColorSelBox::NoColor);
    EXPECT_EQ(f.page.chkFixRowCol->Value(), 2);
    EXPECT_EQ(f.page.nbeRowNumber->Value(), Variant::Null());
    EXPECT_EQ(f.page.chkShowHeader->Value(), 1);

    f.page.chkShowHeader->UserClick();
    f.page.OnApply();
    EXPECT_TRUE(f.book->Sheet(0)->DisplayGridlines());
    EXPECT_FALSE(f.book->Sheet(1)->DisplayGridlines());
    EXPECT_EQ(f.book->Sheet(1)->SplitRow(), 3);
    EXPECT_EQ(f.book->Sheet(1)->GridlineColor(), 255);
    EXPECT_EQ(f.book->Sheet(0)->GridlineColorValue(), model::kAutoColor);
    EXPECT_FALSE(f.book->Sheet(0)->DisplayHeadings());
    EXPECT_FALSE(f.book->Sheet(1)->DisplayHeadings());
}
