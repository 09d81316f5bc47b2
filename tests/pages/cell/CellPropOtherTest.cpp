#include "vantor/pages/cell/CellPropOther.hpp"
#include "tests/pages/cell/CellPageModel.hpp"
#include "tests/pages/cell/LoggedFake.hpp"
#include "tests/support/PageHarness.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

using Lines = std::vector<std::string>;

namespace {

struct OtherFixture : RecordedPage<CellPropOther> {
    std::shared_ptr<LoggedFake> note = std::make_shared<LoggedFake>("Comment", writes);

    // A note of this text (Null: the cells' notes differ); Nothing: no note.
    OtherFixture(std::optional<Variant> text, Variant readOnly) {
        if (text) {
            note->Set("Text", *text);
            target->Set("Comment", Variant(ObjectRef(note)));
        } else {
            target->Set("Comment", Variant::Nothing());
        }
        target->Set("ReadOnly", readOnly);
        target->Method("Apply");
    }
};

} // namespace

TEST(CellPropOtherLoad, ShowsNoteAndMarkAndWritesNeitherUntouched) {
    struct Case {
        std::optional<Variant> note;
        Variant readOnly;
        std::string shown;
        int32_t readOnlyShown;
    };
    // No note at all is no error; differing notes show an empty box that is not written back.
    for (const Case& c :
         {Case{Variant("abc"), Variant(true), "abc", 1}, Case{std::nullopt, Variant(false), "", 0},
          Case{Variant::Null(), Variant::Null(), "", 2}}) {
        OtherFixture f(c.note, c.readOnly);
        f.Load();
        EXPECT_EQ(f.page.txtMarkText->Text(), c.shown);
        EXPECT_EQ(f.page.chkReadOnly->Value(), c.readOnlyShown);
        EXPECT_FALSE(f.page.txtMarkText->ChangedFromSaved());
        EXPECT_EQ(f.site->modified, 0);
        f.page.OnApply();
        EXPECT_EQ(*f.writes, (Lines{"Cells: Put ReadOnly = Null"}));
        EXPECT_EQ(f.h.LogLines(), (Lines{"Other Reset", "Other Apply"}));
        EXPECT_EQ(f.target->Calls("Apply"), 0); // no cell-format counter on this page
    }
}

TEST(CellPropOtherApply, ATypedNoteForCellsWithoutOneIsLogged) {
    OtherFixture f(std::nullopt, Variant(false));
    f.Load();
    f.page.txtMarkText->UserType("new");
    f.page.OnApply();
    EXPECT_EQ(*f.writes, (Lines{"Cells: Put ReadOnly = Null"}));
    EXPECT_EQ(f.h.LogLines().back(),
              "Other Apply - Error: 91,Object variable or With block variable not set");
}

TEST(CellPropOtherApply, AResetForgetsTheTypedNote) {
    OtherFixture f(Variant::Null(), Variant(false));
    f.Load();
    f.page.txtMarkText->UserType("draft");
    f.page.OnReset();
    EXPECT_EQ(f.page.txtMarkText->Text(), "");
    EXPECT_FALSE(f.page.txtMarkText->ChangedFromSaved());
    f.writes->clear();
    f.page.OnApply();
    EXPECT_EQ(*f.writes, (Lines{"Cells: Put ReadOnly = Null"}));
}

TEST(CellPropOtherNotify, EveryControlMarksThePageWithoutCounting) {
    OtherFixture f(Variant("abc"), Variant(false));
    f.target->Set("ApplyCache", Variant(0));
    f.Load();
    f.page.chkMergeCells->UserClick();
    f.page.chkReadOnly->UserClick();
    f.page.txtMarkText->UserType("x");
    EXPECT_EQ(f.site->modified, 3);
    EXPECT_EQ(f.target->Value("ApplyCache"), Variant(0));
    // Merging changes no property.
    f.page.chkReadOnly->UserClick();
    f.writes->clear();
    f.page.OnApply();
    EXPECT_EQ(*f.writes,
              (Lines{"Comment: Put Text = String(\"x\")", "Cells: Put ReadOnly = Null"}));
}

TEST(CellPropOtherModel, NotesAndReadOnlyReachTheCells) {
    CellPageModel m;
    m.Range("A1").Call("AddComment", Variant("first"));
    m.Range("A2").Call("AddComment", Variant("second"));
    CellPropOther page;
    m.Open(page, "A1:A3");
    EXPECT_EQ(page.txtMarkText->Text(), "");
    page.chkReadOnly->UserClick();
    page.OnApply();
    // Differing notes stay as they were; the cell without one gets none.
    EXPECT_EQ(m.Range("A1").Get("Comment").Get("Text"), Variant("first"));
    EXPECT_EQ(m.Range("A2").Get("Comment").Get("Text"), Variant("second"));
    EXPECT_TRUE(m.Range("A3").Get("Comment").IsNothing());
    EXPECT_EQ(m.Range("A1:A3").Get("ReadOnly"), Variant(true));
    EXPECT_EQ(m.h.LogLines(), (Lines{"Other Reset", "Other Apply"}));

    page.OnReset();
    page.txtMarkText->UserType("same for all");
    page.OnApply();
    EXPECT_EQ(m.Range("A1:A2").Get("Comment").Get("Text"), Variant("same for all"));
}
