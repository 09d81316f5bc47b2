#include "vantor/dialogs/SheetProtectPass.hpp"
#include "tests/dialogs/RecordingSite.hpp"
#include "tests/support/PageHarness.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

TEST(SheetProtectPass, UntouchedOrEmptyEntriesAgree) {
    PageHarness h;
    SheetProtectPass dialog;
    EXPECT_EQ(dialog.txtNew->Text(), SheetProtectPass::Unchanged);
    EXPECT_EQ(dialog.txtVerify->PasswordChar(), "*");
    EXPECT_EQ(dialog.ValidateData(), 0);
    dialog.txtNew->UserType("");
    dialog.txtVerify->UserType("");
    EXPECT_EQ(dialog.ValidateData(), 0);
    EXPECT_TRUE(h.env.Messages().empty());
}

TEST(SheetProtectPass, EntriesDifferingInCaseAreRefusedWithTheFocusOnTheNewOne) {
    PageHarness h;
    SheetProtectPass dialog;
    dialog.txtNew->UserType("Secret");
    dialog.txtVerify->Focus();
    dialog.txtVerify->UserType("secret");
    EXPECT_EQ(dialog.ValidateData(), -1);
    ASSERT_EQ(h.env.Messages().size(), 1u);
    EXPECT_EQ(h.env.Messages()[0].prompt, SheetProtectPass::Mismatch);
    EXPECT_EQ(h.env.Messages()[0].buttons, msgbox::OkOnly);
    EXPECT_TRUE(dialog.txtNew->HasFocus());
    EXPECT_EQ(dialog.txtNew->SelLength(), 6); // all selected, so typing replaces it
}

TEST(SheetProtectPass, AThirteenthCharacterCannotBeTyped) {
    PageHarness h;
    SheetProtectPass dialog;
    for (TextBox* box : {dialog.txtOld.get(), dialog.txtNew.get(), dialog.txtVerify.get()}) {
        box->UserType("abcdefghijklm");
        EXPECT_EQ(box->Text(), "abcdefghijkl") << box->Name();
    }
}

TEST(SheetProtectPass, OkEndsTheDialogOnceTheEntriesAgreeAndCancelAlways) {
    PageHarness h;
    auto site = std::make_shared<RecordingSite>();
    SheetProtectPass dialog;
    dialog.SetSite(site);
    dialog.txtNew->UserType("one");
    dialog.cmdOK->UserClick();
    EXPECT_TRUE(site->results.empty());
    dialog.txtVerify->UserType("one");
    dialog.cmdOK->UserClick();
    dialog.cmdOK->UserClick(); // a double click ends it once
    ASSERT_EQ(site->results, std::vector<int32_t>{DialogSite::ResultOk});
    EXPECT_EQ(site->answers[0], Variant(int32_t{0}));

    auto other = std::make_shared<RecordingSite>();
    SheetProtectPass cancelled;
    cancelled.SetSite(other);
    cancelled.txtNew->UserType("a");
    cancelled.cmdCancel->UserClick();
    EXPECT_EQ(other->results, std::vector<int32_t>{DialogSite::ResultCancel});
}

TEST(SheetProtectPass, TheHostReadsTheTypedEntriesAndNullForUntouchedOnes) {
    PageHarness h;
    SheetProtectPass dialog;
    dialog.txtNew->UserType("pw");
    dialog.txtVerify->UserType("pw");
    Variant vtOld, vtNew, vtVerify;
    EXPECT_EQ(dialog.GetPasswords(vtOld, vtNew, vtVerify), 0);
    EXPECT_TRUE(vtOld.IsNull()); // the twelve placeholder characters are no password
    EXPECT_EQ(vtNew, Variant("pw"));
    EXPECT_EQ(vtVerify, Variant("pw"));
}

TEST(SheetProtectPass, WithoutASiteACancelIsLoggedAndNothingFails) {
    PageHarness h;
    {
        SheetProtectPass dialog;
        dialog.cmdCancel->UserClick();
    }
    EXPECT_EQ(h.LogLines(),
              std::vector<std::string>{"Error: 91,Object variable or With block variable not set"});
}
