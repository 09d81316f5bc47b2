#include "model/Application.hpp"
#include "model/Range.hpp"
#include "model/Workbook.hpp"
#include "tests/dialogs/RecordingSite.hpp"
#include "tests/support/PageHarness.hpp"
#include "vantor/dialogs/CellStyleName.hpp"
#include "vantor/dialogs/CellStyles.hpp"

#include <gtest/gtest.h>

#include <functional>

using namespace vantor;
using namespace vantor::test;

namespace {

// A site whose host dialog runs a script over its target and answers OK.
class HostSite : public RecordingSite {
public:
    int32_t ShowDialog(const std::string& name, const Variant& target) override {
        shown.push_back(name);
        script(target.ToObject());
        return ResultOk;
    }
    std::vector<std::string> shown;
    std::function<void(const ObjectRef&)> script = [](const ObjectRef&) {};
};

// The dialog over cells B2:C3 of a new workbook.
struct StylesFixture {
    PageHarness h;
    std::shared_ptr<model::Application> app = model::Application::Create({"Liberation Sans"});
    ObjectRef book = ObjectRef(app->AddWorkbook("Book1"));
    ObjectRef cells = ObjectRef(app->RangeOf("B2:C3"));
    std::shared_ptr<HostSite> site = std::make_shared<HostSite>();
    CellStyles dialog;

    StylesFixture() {
        dialog.SetSite(site);
        dialog.SetParam(Variant(cells));
    }
    // The names the style name form is given, one per showing; "" cancels it.
    void AnswerNames(std::vector<std::string> names) {
        h.env.SetModalScript([names, next = size_t{0}](Form& form) mutable {
            auto& nameForm = dynamic_cast<CellStyleName&>(form);
            const std::string name = next < names.size() ? names[next++] : "";
            if (name.empty()) {
                nameForm.cmdCancel->UserClick();
                return;
            }
            nameForm.txtStyleName->UserType(name);
            nameForm.cmdOK->UserClick();
        });
    }
    std::string Ticks() const {
        std::string ticks;
        for (int32_t i = 0; i < dialog.lstIncludes->ListCount(); ++i) {
            ticks += dialog.lstIncludes->Selected(i) ? 'x' : '-';
        }
        return ticks;
    }
    ObjectRef Style(const std::string& name) const {
        return book.Get("Styles").Call("Item", name).ToObject();
    }
};

} // namespace

TEST(CellStylesDialog, ListsTheWorkbooksStylesWithTheCellsStyleChosen) {
    StylesFixture f;
    ASSERT_EQ(f.dialog.cbxStyles->ListCount(), 6);
    EXPECT_EQ(f.dialog.cbxStyles->Text(), "Normal");
    EXPECT_EQ(f.Ticks(), "xxxxxxx");
    EXPECT_EQ(f.dialog.lblDescription->Caption(),
              "General, general alignment, Liberation Sans 11, no borders, no shading, no "
              "control, editable");
    EXPECT_FALSE(f.dialog.cmdDelete->Enabled()); // built in
    f.dialog.cbxStyles->UserSelect(1);
    EXPECT_EQ(f.Ticks(), "x------");
    EXPECT_EQ(f.dialog.lblDescription->Caption(), "0%");
    EXPECT_EQ(f.dialog.lstIncludes->List(5), "Control");
    EXPECT_TRUE(f.h.LogLines().empty());
}

TEST(CellStylesDialog, AddRefusesEmptyAndUsedNamesAndMakesAStyleOfTheTickedGroups) {
    StylesFixture f;
    f.cells.Put("NumberFormat", "0.0");
    f.cells.Call("Apply");
    f.dialog.lstIncludes->UserCheck(2); // no font
    f.AnswerNames({"  ", "normal", "Tenths"});
    f.dialog.cmdAdd->UserClick();
    EXPECT_EQ(f.h.env.ModalCount(), 3);
    EXPECT_EQ(f.h.env.Messages().size(), 2u);
    EXPECT_EQ(f.dialog.cbxStyles->Text(), "Tenths");
    EXPECT_EQ(f.Ticks(), "xx-xxxx");
    EXPECT_EQ(f.Style("Tenths").Get("NumberFormat"), Variant("0.0"));
    EXPECT_TRUE(f.dialog.cmdDelete->Enabled());
    // A cancelled name adds nothing; the style stays after Close, and OK gives it to the cells.
    f.AnswerNames({""});
    f.dialog.cmdAdd->UserClick();
    EXPECT_EQ(f.dialog.cbxStyles->ListCount(), 7);
    f.dialog.cmdOK->UserClick();
    EXPECT_EQ(f.site->results, std::vector<int32_t>{DialogSite::ResultOk});
    EXPECT_EQ(f.cells.Get("Style"), Variant("Tenths"));
    EXPECT_TRUE(f.h.LogLines().empty());
}

TEST(CellStylesDialog, ModifyShowsTheFormatDialogOverTheStyleAndDeleteKeepsTheFormats) {
    StylesFixture f;
    f.AnswerNames({"Money"});
    f.dialog.cmdAdd->UserClick();
    f.cells.Put("Style", "Money");
    f.site->script = [](const ObjectRef& style) {
        style.Put("NumberFormat", "0.00");
        style.Call("Apply");
    };
    f.dialog.cmdModify->UserClick();
    EXPECT_EQ(f.site->shown, std::vector<std::string>{"Format Cells"});
    EXPECT_EQ(f.cells.Get("NumberFormat"), Variant("0.00"));
    EXPECT_EQ(f.dialog.lblDescription->Caption().substr(0, 5), "0.00,");
    f.dialog.cmdDelete->UserClick();
    EXPECT_EQ(f.dialog.cbxStyles->ListCount(), 6);
    EXPECT_EQ(f.dialog.cbxStyles->Text(), "Normal");
    EXPECT_EQ(f.cells.Get("NumberFormat"), Variant("0.00"));
    EXPECT_TRUE(f.h.LogLines().empty());
}

TEST(CellStylesDialog, WithoutAHostDialogModifyIsLoggedAndChangesNothing) {
    StylesFixture f;
    auto plain = std::make_shared<RecordingSite>();
    f.dialog.SetSite(plain);
    f.dialog.cmdModify->UserClick();
    ASSERT_EQ(f.h.LogLines().size(), 1u);
    EXPECT_NE(f.h.LogLines()[0].find("Error: 5,"), std::string::npos);
}
