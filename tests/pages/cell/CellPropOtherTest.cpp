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
        target->Set("MergeCells", Variant(false));
        target->Set("MergeHidesValues", Variant(false));
        target->Method("Apply");
        target->Method("AddComment");
        target->Method("ClearComments");
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
        EXPECT_EQ(*f.writes, (Lines{"Cells: Put ReadOnly = Null", "Cells: Put MergeCells = Null"}));
        EXPECT_EQ(f.h.LogLines(), (Lines{"Other Reset", "Other Apply"}));
        EXPECT_EQ(f.target->Calls("Apply"), 0); // no cell-format counter on this page
    }
}

TEST(CellPropOtherApply, ATypedNoteIsAddedWhereThereIsNoneAndAnEmptiedBoxClears) {
    struct Case {
        std::optional<Variant> note;
        std::string typed;
        std::string write;
    };
    for (const Case& c : {Case{std::nullopt, "new", "Cells: Call AddComment(String(\"new\"))"},
                          Case{Variant("old"), "new", "Comment: Put Text = String(\"new\")"},
                          Case{Variant("old"), "", "Cells: Call ClearComments()"}}) {
        OtherFixture f(c.note, Variant(false));
        f.Load();
        f.page.txtMarkText->SetText(c.typed);
        f.page.OnApply();
        EXPECT_EQ(*f.writes, (Lines{c.write, "Cells: Put ReadOnly = Null",
                                    "Cells: Put MergeCells = Null"}));
        EXPECT_EQ(f.h.LogLines(), (Lines{"Other Reset", "Other Apply"}));
    }
}

TEST(CellPropOtherApply, MergingAsksFirstWhenValuesWouldBeHiddenAndCancelSkipsOnlyTheMerge) {
    struct Case {
        bool hides;
        int32_t answer;
        size_t asked;
        bool merged;
    };
    for (const Case& c : {Case{false, msgbox::Cancel, 0, true}, Case{true, msgbox::Ok, 1, true},
                          Case{true, msgbox::Cancel, 1, false}}) {
        OtherFixture f(Variant("abc"), Variant(false));
        f.target->Set("MergeHidesValues", Variant(c.hides));
        f.Load();
        f.h.env.QueueAnswer(c.answer);
        f.page.chkMergeCells->UserClick();
        f.page.chkReadOnly->UserClick();
        f.page.OnApply();
        EXPECT_EQ(f.h.env.Messages().size(), c.asked);
        EXPECT_EQ(f.target->Value("ReadOnly"), Variant(true));
        EXPECT_EQ(f.target->Value("MergeCells"), Variant(c.merged));
    }
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
    EXPECT_EQ(*f.writes, (Lines{"Cells: Put ReadOnly = Null", "Cells: Put MergeCells = Null"}));
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
    f.page.chkReadOnly->UserClick();
    f.writes->clear();
    f.page.OnApply();
    EXPECT_EQ(*f.writes, (Lines{"Comment: Put Text = String(\"x\")", "Cells: Put ReadOnly = Null",
                                "Cells: Put MergeCells = True"}));
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
    // Untyped, the notes stay exactly as they were.
    EXPECT_EQ(m.Range("A1").Get("Comment").Get("Text"), Variant("first"));
    EXPECT_EQ(m.Range("A2").Get("Comment").Get("Text"), Variant("second"));
    EXPECT_TRUE(m.Range("A3").Get("Comment").IsNothing());
    EXPECT_EQ(m.Range("A1:A3").Get("ReadOnly"), Variant(true));
    EXPECT_EQ(m.h.LogLines(), (Lines{"Other Reset", "Other Apply"}));

    page.OnReset();
    page.txtMarkText->UserType("same for all");
    page.OnApply();
    EXPECT_EQ(m.Range("A1:A3").Get("Comment").Get("Text"), Variant("same for all"));
}

TEST(CellPropOtherModel, ATypedNoteOverBareCellsStaysAfterOkAndOneUndoTakesItAway) {
    CellPageModel m;
    CellPropOther page;
    m.Open(page, "B2:C3");
    page.txtMarkText->UserType("typed");
    m.app->BeginUndoGroup("Format Cells");
    page.OnApply();
    m.app->EndUndoGroup();
    EXPECT_EQ(m.Range("B2:C3").Get("Comment").Get("Text"), Variant("typed"));
    EXPECT_EQ(m.h.LogLines(), (Lines{"Other Reset", "Other Apply"}));
    m.app->Undo();
    EXPECT_TRUE(m.Range("B2:C3").Get("Comment").IsNothing());
}

TEST(CellPropOtherModel, MergingKeepsTheCoveredValuesAndShowsMerged) {
    CellPageModel m;
    m.Range("B3").Put("Value", 5);
    CellPropOther page;
    m.Open(page, "B2:C3");
    EXPECT_EQ(page.chkMergeCells->Value(), 0);
    page.chkMergeCells->UserClick();
    page.OnApply();
    EXPECT_EQ(m.h.env.Messages().size(), 1u); // OK, the first button, is the answer
    EXPECT_EQ(m.Range("C3").Get("MergeArea").Get("Address"), Variant("$B$2:$C$3"));
    EXPECT_EQ(m.Range("B3").Get("Value"), Variant(5));
    page.OnReset();
    EXPECT_EQ(page.chkMergeCells->Value(), 1);
}
