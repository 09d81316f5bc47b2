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

TEST(SheetChoice, ListsThreeFixedSheetsAndEndsOnOkOrCancel) {
    PageHarness h;
    SheetChoice dialog;
    ASSERT_EQ(dialog.lstSheets->ListCount(), 3);
    EXPECT_EQ(dialog.lstSheets->List(0), "Sheet1");
    EXPECT_EQ(dialog.lstSheets->List(2), "Sheet3");
    EXPECT_EQ(dialog.lstSheets->ItemData(1), 0);
    auto site = std::make_shared<RecordingSite>();
    dialog.SetSite(site);
    dialog.cmdOK->UserClick();
    SheetChoice other;
    other.SetSite(site);
    other.cmdCancel->UserClick();
    EXPECT_EQ(site->results,
              (std::vector<int32_t>{DialogSite::ResultOk, DialogSite::ResultCancel}));
}
