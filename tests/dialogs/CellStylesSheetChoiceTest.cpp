#include "model/Application.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "tests/dialogs/RecordingSite.hpp"
#include "tests/support/ErrorOf.hpp"
#include "tests/support/PageHarness.hpp"
#include "vantor/dialogs/CellStyleName.hpp"
#include "vantor/dialogs/CellStyles.hpp"
#include "vantor/dialogs/SheetChoice.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

TEST(CellStyles, OkAndCloseEndTheDialogOnceEach) {
    PageHarness h;
    auto site = std::make_shared<RecordingSite>();
    CellStyles dialog;
    dialog.SetSite(site);
    dialog.cmdOK->UserClick();
    EXPECT_EQ(site->results, std::vector<int32_t>{DialogSite::ResultOk});
    dialog.SetSite(site); // shown again
    dialog.cmdClose->UserClick();
    dialog.cmdClose->UserClick();
    EXPECT_EQ(site->results,
              (std::vector<int32_t>{DialogSite::ResultOk, DialogSite::ResultCancel}));
    EXPECT_EQ(site->answers.back(), Variant(int32_t{0}));
}

TEST(SheetChoice, ListsTheWorkbooksSheetsAndAnswersTheChosenName) {
    PageHarness h;
    auto app = model::Application::Create(std::vector<std::string>{"Sans"});
    auto book = app->AddWorkbook("Book1");
    book->AddSheet("Data");
    book->ActivateSheet(book->Sheet(2));
    book->Sheet(1)->SetVisible(false);
    auto site = std::make_shared<RecordingSite>();
    SheetChoice dialog;
    dialog.SetSite(site);
    dialog.SetParam(Variant(ObjectRef(book)));
    ASSERT_EQ(dialog.lstSheets->ListCount(), 4);
    EXPECT_EQ(dialog.lstSheets->List(1), std::string("Sheet2") + SheetChoice::HiddenMark);
    EXPECT_EQ(dialog.lstSheets->List(3), "Data");
    EXPECT_EQ(dialog.lstSheets->ListIndex(), 2) << "the active sheet is chosen first";
    EXPECT_EQ(dialog.picPreview->Sheet().Get("Name"), Variant("Sheet3"));
    dialog.lstSheets->UserSelect(3);
    ControlDescription shown([](const Variant& v) { return v.Describe(); });
    dialog.picPreview->Describe(shown);
    EXPECT_NE(shown.Text().find("sheet="), std::string::npos);
    EXPECT_NE(shown.Text().find("Data"), std::string::npos);
    dialog.cmdOK->UserClick();
    EXPECT_EQ(site->results, std::vector<int32_t>{DialogSite::ResultOk});
    EXPECT_EQ(site->answers.at(0), Variant("Data"));

    // Without a workbook: nothing listed, OK and Cancel answer Long 0.
    for (const bool ok : {true, false}) {
        SheetChoice other;
        other.SetSite(site);
        EXPECT_EQ(other.lstSheets->ListCount(), 0);
        (ok ? other.cmdOK : other.cmdCancel)->UserClick();
        EXPECT_EQ(site->results.back(), ok ? DialogSite::ResultOk : DialogSite::ResultCancel);
        EXPECT_EQ(site->answers.back(), Variant(int32_t{0}));
    }
}
