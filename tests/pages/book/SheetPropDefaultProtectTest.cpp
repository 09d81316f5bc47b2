#include "model/Application.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "tests/support/PageHarness.hpp"
#include "vantor/dialogs/SheetProtectPass.hpp"
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

namespace {

struct ProtectPage {
    PageHarness h;
    std::shared_ptr<model::Application> app = model::Application::Create(std::vector<std::string>{"Sans"});
    std::shared_ptr<model::Workbook> book = app->AddWorkbook("Book1");
    std::shared_ptr<model::Worksheet> sheet = book->Sheet(0);
    std::shared_ptr<FakeSite> site = std::make_shared<FakeSite>();
    SheetPropProtect page;

    void Open() {
        page.SetSite(site);
        page.SetTargets(PageHarness::Targets(ObjectRef(sheet)));
    }
    // The password dialog answers with these entries (nullptr: left as they
    // were) and OK, or Cancel.
    void Answer(const char* oldEntry, const char* newEntry, bool ok = true) {
        h.env.SetModalScript([=](Form& form) {
            auto& dialog = dynamic_cast<SheetProtectPass&>(form);
            if (oldEntry) {
                dialog.txtOld->UserType(oldEntry);
            }
            if (newEntry) {
                dialog.txtNew->UserType(newEntry);
                dialog.txtVerify->UserType(newEntry);
            }
            (ok ? dialog.cmdOK : dialog.cmdCancel)->UserClick();
        });
    }
};

} // namespace

TEST(SheetPropProtect, TickingAsksForThePasswordAndApplyProtectsWithIt) {
    ProtectPage f;
    f.Open();
    EXPECT_EQ(f.page.chkLocked->Value(), 0);
    EXPECT_FALSE(f.page.cmdChgPass->Enabled());
    f.Answer(nullptr, "s3cret", false);
    f.page.chkLocked->UserClick();
    EXPECT_EQ(f.page.chkLocked->Value(), 0) << "Cancel puts the box back";
    EXPECT_EQ(f.site->modified, 0);
    f.Answer(nullptr, "s3cret");
    f.page.chkLocked->UserClick();
    EXPECT_EQ(f.h.env.ModalCount(), 2);
    EXPECT_EQ(f.site->modified, 1);
    EXPECT_FALSE(f.sheet->Protection().on) << "nothing is written before apply";
    f.page.OnApply();
    EXPECT_TRUE(f.sheet->Protection().on);
    EXPECT_TRUE(f.sheet->CheckPassword("s3cret"));
    EXPECT_EQ(f.h.LogLines(), (Lines{"Protect Reset", "Protect Apply"}));
}

TEST(SheetPropProtect, UntickingNeedsTheOldPasswordAndAWrongOneIsRefused) {
    ProtectPage f;
    f.sheet->Protect("pw");
    f.Open();
    EXPECT_EQ(f.page.chkLocked->Value(), 1);
    f.Answer("nope", nullptr);
    f.page.chkLocked->UserClick();
    EXPECT_EQ(f.page.chkLocked->Value(), 1);
    ASSERT_EQ(f.h.env.Messages().size(), 1u);
    EXPECT_EQ(f.h.env.Messages()[0].prompt, SheetPropProtect::WrongPassword);
    f.page.OnApply();
    EXPECT_TRUE(f.sheet->Protection().on);

    f.Answer("pw", nullptr);
    f.page.chkLocked->UserClick();
    EXPECT_EQ(f.page.chkLocked->Value(), 0);
    f.page.OnApply();
    EXPECT_FALSE(f.sheet->Protection().on);
}

TEST(SheetPropProtect, ChangingThePasswordChecksTheOldOne) {
    ProtectPage f;
    f.sheet->Protect("old");
    f.Open();
    f.Answer("wrong", "new");
    f.page.cmdChgPass->UserClick();
    EXPECT_EQ(f.site->modified, 0);
    f.Answer("old", "new");
    f.page.cmdChgPass->UserClick();
    EXPECT_EQ(f.site->modified, 1);
    f.page.OnApply();
    EXPECT_TRUE(f.sheet->CheckPassword("new"));
    f.page.OnApply(); // a second apply changes nothing more
    EXPECT_TRUE(f.sheet->CheckPassword("new"));
    EXPECT_EQ(f.h.LogLines(), (Lines{"Protect Reset", "Protect Apply", "Protect Apply"}));
}

TEST(SheetPropProtect, HideBindsToVisibleAndTheLastVisibleSheetStays) {
    ProtectPage f;
    f.book->Sheet(1)->SetVisible(false);
    f.book->Sheet(2)->SetVisible(false);
    f.Open();
    EXPECT_EQ(f.page.chkHide->Value(), 0);
    f.page.chkHide->UserClick();
    EXPECT_EQ(f.site->modified, 1);
    f.page.OnApply();
    EXPECT_TRUE(f.sheet->Visible());
    EXPECT_EQ(f.h.LogLines().back().rfind("Protect Apply", 0), 0u);
    EXPECT_NE(f.h.LogLines().back().find("1004"), std::string::npos);
    f.book->Sheet(1)->SetVisible(true);
    f.page.OnApply();
    EXPECT_FALSE(f.sheet->Visible());
}
