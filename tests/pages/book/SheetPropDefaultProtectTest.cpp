#include "tests/support/ErrorOf.hpp"
#include "tests/support/PageHarness.hpp"
#include "vantor/pages/book/SheetPropDefault.hpp"
#include "vantor/pages/book/SheetPropProtect.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

using Lines = std::vector<std::string>;

TEST(SheetPropDefault, LogsItsTagsAndNeverTouchesTheTarget) {
    PageHarness h;
    auto sheet = std::make_shared<FakeObject>();
    sheet->Set("DisplayGridlines", Variant(true));
    SheetPropDefault page;
    page.SetSite(std::make_shared<FakeSite>());
    page.SetTargets(PageHarness::Targets(sheet));
    EXPECT_EQ(page.OnApply(), 0);
    EXPECT_TRUE(sheet->Writes().empty());
    EXPECT_EQ(h.LogLines(), (Lines{"Default Reset", "Default Apply"}));
    EXPECT_FALSE(page.Loading());
}

TEST(SheetPropProtect, ShowsItsControlsDisabledAndBindsNothing) {
    PageHarness h;
    auto sheet = std::make_shared<FakeObject>();
    auto site = std::make_shared<FakeSite>();
    SheetPropProtect page;
    page.SetSite(site);
    page.SetTargets(PageHarness::Targets(sheet));
    EXPECT_EQ(ErrorOf([&] { page.chkLocked->UserClick(); }), 5);
    EXPECT_EQ(ErrorOf([&] { page.cmdChgPass->UserClick(); }), 5);
    EXPECT_EQ(page.chkHide->Container(), "frProtect");
    page.OnApply();
    EXPECT_EQ(site->modified, 0);
    EXPECT_TRUE(sheet->Writes().empty());
    EXPECT_EQ(h.LogLines(), (Lines{"Protect Reset", "Protect Apply"}));
}
