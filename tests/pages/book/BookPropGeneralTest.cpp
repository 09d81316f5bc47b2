#include "vantor/pages/book/BookPropGeneral.hpp"
#include "model/Application.hpp"
#include "model/Workbook.hpp"
#include "tests/support/PageHarness.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

using Lines = std::vector<std::string>;

namespace {

std::shared_ptr<FakeObject> Workbook() {
    auto book = std::make_shared<FakeObject>();
    book->Set("FullName", Variant("/data/budget.xls"))
        .Set("DisplayHorizontalScrollBar", Variant(true))
        .Set("DisplayVerticalScrollBar", Variant(true))
        .Set("DisplayWorkbookTabs", Variant(true));
    return book;
}

} // namespace

TEST(BookPropGeneral, ShowsTheNameAndTheSwitches) {
    PageHarness h;
    auto book = Workbook();
    book->Set("DisplayVerticalScrollBar", Variant::Null());
    BookPropGeneral page;
    page.SetTargets(PageHarness::Targets(book));
    EXPECT_EQ(page.txtFileName->Text(), "/data/budget.xls");
    EXPECT_FALSE(page.txtFileName->TabStop()); // display only: Tab passes it by
    EXPECT_TRUE(page.chkHScrollBar->TabStop());
    EXPECT_EQ(page.chkHScrollBar->Value(), 1);
    EXPECT_EQ(page.chkVScrollBar->Value(), 2);
    EXPECT_EQ(page.chkSheetLabel->Value(), 1);
    EXPECT_EQ(h.LogLines(), (Lines{"General Reset"}));
}

TEST(BookPropGeneral, AnEmptyOrBlankNameShowsThePlaceholder) {
    PageHarness h;
    for (const char* name : {"", "   "}) {
        auto book = Workbook();
        book->Set("FullName", Variant(name));
        BookPropGeneral page;
        page.SetTargets(PageHarness::Targets(book));
        EXPECT_EQ(page.txtFileName->Text(), BookPropGeneral::NoName) << "'" << name << "'";
    }
    // A target without a name keeps the text shown before and still loads the switches.
    BookPropGeneral page;
    page.SetTargets(PageHarness::Targets(Workbook()));
    auto nameless = Workbook();
    nameless->Fail("FullName", 438);
    nameless->Set("DisplayWorkbookTabs", Variant(false));
    page.SetTargets(PageHarness::Targets(nameless));
    EXPECT_EQ(page.txtFileName->Text(), "/data/budget.xls");
    EXPECT_EQ(page.chkSheetLabel->Value(), 0);
}

TEST(BookPropGeneral, AppliesOnlyWhatTheUserChangedAndNeverTheName) {
    PageHarness h;
    auto book = Workbook();
    auto site = std::make_shared<FakeSite>();
    BookPropGeneral page;
    page.SetSite(site);
    page.SetTargets(PageHarness::Targets(book));
    page.OnApply();
    EXPECT_EQ(book->Writes(),
              (Lines{"Put DisplayHorizontalScrollBar = Null", "Put DisplayVerticalScrollBar = Null",
                     "Put DisplayWorkbookTabs = Null"}));
    EXPECT_EQ(site->modified, 0);

    book->ClearWrites();
    page.chkSheetLabel->UserClick();
    EXPECT_EQ(site->modified, 1);
    page.OnApply();
    EXPECT_EQ(book->Writes(),
              (Lines{"Put DisplayHorizontalScrollBar = Null", "Put DisplayVerticalScrollBar = Null",
                     "Put DisplayWorkbookTabs = False"}));
    EXPECT_EQ(h.LogLines(), (Lines{"General Reset", "General Apply", "General Apply"}));
}

TEST(BookPropGeneral, EditsARealWorkbook) {
    PageHarness h;
    auto app = model::Application::Create(std::vector<std::string>{"Sans"});
    auto book = app->AddWorkbook("Book1");
    book->SetFullName("/home/ann/Book1.xls");
    BookPropGeneral page;
    page.SetSite(std::make_shared<FakeSite>());
    page.SetTargets(PageHarness::Targets(ObjectRef(book)));
    EXPECT_EQ(page.txtFileName->Text(), "/home/ann/Book1.xls");
    page.chkHScrollBar->UserClick();
    page.chkVScrollBar->UserClick();
    page.OnApply();
    const ObjectRef target(book);
    EXPECT_EQ(target.Get("DisplayHorizontalScrollBar"), Variant(false));
    EXPECT_EQ(target.Get("DisplayVerticalScrollBar"), Variant(false));
    EXPECT_EQ(target.Get("DisplayWorkbookTabs"), Variant(true));
    EXPECT_EQ(h.LogLines(), (Lines{"General Reset", "General Apply"}));
}
