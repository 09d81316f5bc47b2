#include "model/Application.hpp"
#include "model/SheetSelection.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "tests/support/PageHarness.hpp"
#include "vantor/dialogs/SheetProtectPass.hpp"
#include "vantor/pages/book/SheetPropProtect.hpp"

#include <gtest/gtest.h>

#include <deque>

using namespace vantor;
using namespace vantor::test;

namespace {

// The protection tab over two sheets of which only the first is protected.
struct MixedSheets {
    PageHarness h;
    std::shared_ptr<model::Application> app = model::Application::Create(std::vector<std::string>{"Sans"});
    std::shared_ptr<model::Workbook> book = app->AddWorkbook("Book1");
    std::shared_ptr<FakeSite> site = std::make_shared<FakeSite>();
    SheetPropProtect page;
    // The password dialogs shown answer in turn: old entry, new entry, OK.
    struct Answer {
        const char* oldEntry;
        const char* newEntry;
        bool ok;
    };
    std::deque<Answer> answers;

    MixedSheets() {
        book->Sheet(0)->Protect("pw");
        h.env.SetModalScript([this](Form& form) {
            auto& dialog = dynamic_cast<SheetProtectPass&>(form);
            ASSERT_FALSE(answers.empty()) << "a password dialog nobody expected";
            const Answer a = answers.front();
            answers.pop_front();
            if (a.oldEntry) {
                dialog.txtOld->UserType(a.oldEntry);
            }
            if (a.newEntry) {
                dialog.txtNew->UserType(a.newEntry);
                dialog.txtVerify->UserType(a.newEntry);
            }
            (a.ok ? dialog.cmdOK : dialog.cmdCancel)->UserClick();
        });
        page.SetSite(site);
        page.SetTargets(PageHarness::Targets(ObjectRef(book->SelectSheets({"Sheet1", "Sheet2"}))));
    }
    bool Protected(int i) const { return book->Sheet(i)->Protection().on; }
};

} // namespace

TEST(SheetPropProtectMixed, ACancelledClickPutsTheGreyBoxBackAndApplyChangesNothing) {
    MixedSheets f;
    ASSERT_EQ(f.page.chkLocked->Value(), 2);
    for (const bool atOld : {true, false}) {
        f.answers = atOld ? std::deque<MixedSheets::Answer>{{"pw", nullptr, false}}
                          : std::deque<MixedSheets::Answer>{{"pw", nullptr, true}, {nullptr, "x", false}};
        f.page.chkLocked->UserClick();
        EXPECT_EQ(f.page.chkLocked->Value(), 2) << atOld;
        EXPECT_TRUE(f.answers.empty());
    }
    EXPECT_EQ(f.page.OnApply(), 0);
    EXPECT_EQ(f.h.LogLines(), (std::vector<std::string>{"Protect Reset", "Protect Apply"}));
    EXPECT_TRUE(f.Protected(0));
    EXPECT_FALSE(f.Protected(1));
}

TEST(SheetPropProtectMixed, TickingAsksTheOldPasswordThenProtectsEverySheetWithTheNewOne) {
    MixedSheets f;
    f.answers = {{"wrong", nullptr, true}};
    f.page.chkLocked->UserClick();
    EXPECT_EQ(f.page.chkLocked->Value(), 2) << "a wrong old password puts the box back";
    f.answers = {{"pw", nullptr, true}, {nullptr, "new", true}};
    f.page.chkLocked->UserClick();
    ASSERT_EQ(f.page.chkLocked->Value(), 1);
    f.page.OnApply();
    for (int i : {0, 1}) {
        EXPECT_TRUE(f.Protected(i)) << i;
        EXPECT_TRUE(f.book->Sheet(i)->CheckPassword("new")) << i;
    }
}

TEST(SheetPropProtectMixed, UntickingWithTheProtectedSheetsPasswordUnprotectsThem) {
    MixedSheets f;
    f.answers = {{"pw", nullptr, true}, {nullptr, "new", true}, {"pw", nullptr, true}};
    f.page.chkLocked->UserClick(); // grey to ticked
    f.page.chkLocked->UserClick(); // ticked to cleared: the old password again
    ASSERT_EQ(f.page.chkLocked->Value(), 0);
    EXPECT_TRUE(f.answers.empty());
    f.page.OnApply();
    EXPECT_FALSE(f.Protected(0));
    EXPECT_FALSE(f.Protected(1));
    EXPECT_EQ(f.h.LogLines().back(), "Protect Apply");
}
