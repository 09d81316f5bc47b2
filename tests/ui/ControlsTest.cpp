#include "vantor/ui/CheckBox.hpp"
#include "vantor/ui/ColorSelBox.hpp"
#include "vantor/ui/ActionRefused.hpp"
#include "vantor/ui/ComboBox.hpp"
#include "vantor/ui/CommandButton.hpp"
#include "vantor/ui/ControlDescription.hpp"
#include "vantor/ui/Form.hpp"
#include "vantor/ui/HeadlessEnvironment.hpp"
#include "vantor/ui/Label.hpp"
#include "vantor/ui/LineStyle.hpp"
#include "vantor/ui/ListBox.hpp"
#include "vantor/ui/NumberEdit.hpp"
#include "vantor/ui/OptionButton.hpp"
#include "vantor/ui/QvFrameStyle.hpp"
#include "vantor/ui/TextBox.hpp"

#include "tests/support/ErrorOf.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using vantor::test::ErrorOf;

namespace {


// Counts the events a control raises.
struct EventCounter {
    EventCounter(Control& c, int event) {
        c.On(event, [this](EventArgs& a) {
            ++count;
            last = a.params;
        });
    }
    int count = 0;
    std::vector<Variant> last;
};

class TestForm : public Form {
public:
    std::shared_ptr<CheckBox> chk = Add<CheckBox>("chkWrap", {100, 100, 1200, 255}, "Wrap");
    std::shared_ptr<ComboBox> cbx = Add<ComboBox>("cbxAlign", {100, 400, 1200, 315});
    std::shared_ptr<ListBox> lst = Add<ListBox>("lstCategory", {100, 800, 1200, 1500});
    std::shared_ptr<TextBox> txt = Add<TextBox>("txtName", {100, 2400, 1200, 285});
    std::shared_ptr<OptionButton> opt1 = Add<OptionButton>("optA", {0, 0, 500, 255}, "A", "frOptions");
    std::shared_ptr<OptionButton> opt2 = Add<OptionButton>("optB", {0, 300, 500, 255}, "B", "frOptions");
    std::shared_ptr<OptionButton> optOther = Add<OptionButton>("optC", {0, 600, 500, 255}, "C");
    std::shared_ptr<NumberEdit> nbe = Add<NumberEdit>("nbeSpaces", {100, 2800, 600, 285});
    std::shared_ptr<ColorSelBox> csx = Add<ColorSelBox>("csxColor", {100, 3200, 1200, 315});
};

} // namespace

TEST(Controls, ValuesSetByCodeRaiseEventsOnlyWhenTheyChange) {
    TestForm f;
    EventCounter chkClicks(*f.chk, ev::Click);
    f.chk->SetValue(2);
    f.chk->SetValue(2);
    f.chk->SetValue(0);
    EXPECT_EQ(chkClicks.count, 2);
    EXPECT_EQ(ErrorOf([&] { f.chk->SetValue(3); }), 380);

    f.cbx->AddItem("Left", -4131);
    f.cbx->AddItem("Center", -4108);
    EventCounter cbxClicks(*f.cbx, ev::Click);
    f.cbx->SetListIndex(1);
    f.cbx->SetListIndex(1);
    f.cbx->SetListIndex(-1);
    EXPECT_EQ(cbxClicks.count, 2);
    EXPECT_EQ(ErrorOf([&] { f.cbx->SetListIndex(2); }), 380);

    EventCounter txtChanges(*f.txt, ev::Change);
    f.txt->SetText("a");
    f.txt->SetText("a");
    EXPECT_EQ(txtChanges.count, 1);

    EventCounter nbeChanges(*f.nbe, ev::ValueChanged);
    f.nbe->SetValue(Variant(0)); // already 0
    f.nbe->SetValue(Variant::Null());
    f.nbe->SetValue(Variant::Null());
    f.nbe->SetValue(Variant(3));
    EXPECT_EQ(nbeChanges.count, 2);

    EventCounter colorChanged(*f.csx, ev::ValueChanged);
    EventCounter colorPicked(*f.csx, ev::ColorPicked);
    f.csx->SetSelColor(-1); // already automatic
    f.csx->SetSelColor(0xFF);
    EXPECT_EQ(colorChanged.count, 1);
    EXPECT_EQ(colorPicked.count, 1);
    EXPECT_EQ(ErrorOf([&] { f.csx->SetSelColor(0x12345678); }), 380);
}

TEST(Controls, ComboBoxesSelectTypeAndClear) {
    TestForm f;
    f.cbx->SetStyle(ComboStyle::Simple);
    f.cbx->AddItem("Arial");
    f.cbx->AddItem("Courier");
    EventCounter clicks(*f.cbx, ev::Click);
    EventCounter changes(*f.cbx, ev::Change);
    f.cbx->UserSelect(1);
    EXPECT_EQ(f.cbx->Text(), "Courier");
    f.cbx->UserType("cour");
    EXPECT_EQ(f.cbx->ListIndex(), -1); // typing drops the selection without a click
    EXPECT_EQ(clicks.count, 1);
    EXPECT_EQ(changes.count, 1);
    f.cbx->SetText("Arial"); // code: the selection follows the text, silently
    EXPECT_EQ(f.cbx->ListIndex(), 0);
    EXPECT_EQ(clicks.count, 1);
    f.cbx->RemoveItem(0);
    EXPECT_EQ(f.cbx->ListIndex(), -1);
    f.cbx->Clear();
    EXPECT_EQ(f.cbx->ListCount(), 0);

    ComboBox list("cbxList", {});
    list.AddItem("Solid", 1);
    EXPECT_EQ(ErrorOf([&] { list.UserType("x"); }), 5);
    EXPECT_EQ(ErrorOf([&] { list.SetText("None"); }), 383);
    list.SetText("Solid");
    EXPECT_EQ(list.ListIndex(), 0);
    EXPECT_EQ(list.ItemData(0), 1);
}

TEST(Controls, UserActionsFollowTheControlsRules) {
    TestForm f;
    f.chk->SetValue(2);
    f.chk->UserClick();
    EXPECT_EQ(f.chk->Value(), 1);
    f.chk->UserClick();
    EXPECT_EQ(f.chk->Value(), 0);
    f.chk->SetEnabled(false);
    EXPECT_EQ(ErrorOf([&] { f.chk->UserClick(); }), 5);
    EXPECT_EQ(f.chk->Value(), 0);

    // Option buttons are exclusive within their container only.
    f.optOther->UserClick();
    f.opt1->UserClick();
    f.opt2->UserClick();
    EXPECT_FALSE(f.opt1->Value());
    EXPECT_TRUE(f.opt2->Value());
    EXPECT_TRUE(f.optOther->Value());

    // Maximum length and selection count characters, not bytes.
    f.txt->SetMaxLength(3);
    f.txt->UserType("€€€€");
    EXPECT_EQ(f.txt->Text(), "€€€");
    f.txt->SetSelStart(1);
    f.txt->SetSelLength(10);
    EXPECT_EQ(f.txt->SelLength(), 2);
    EXPECT_EQ(f.txt->SelText(), "€€");

    f.nbe->SetRange(0, 100);
    f.nbe->UserType("250");
    EXPECT_EQ(f.nbe->Value(), Variant(100));
    f.nbe->UserType("  ");
    EXPECT_TRUE(f.nbe->Value().IsNull());
    EXPECT_EQ(ErrorOf([&] { f.nbe->UserType("abc"); }), 380);
    EXPECT_TRUE(f.nbe->Value().IsNull());
    EXPECT_EQ(ErrorOf([&] { f.nbe->SetValue(Variant(101)); }), 380);
    f.nbe->UserStep(1);
    EXPECT_EQ(f.nbe->Value(), Variant(1));
}

TEST(Controls, FocusValidatesTheControlItLeaves) {
    TestForm f;
    std::vector<std::string> seen;
    bool refuse = true;
    f.txt->On(ev::Validate, [&](EventArgs& a) {
        seen.push_back("validate");
        a.cancel = refuse;
    });
    f.txt->On(ev::LostFocus, [&](EventArgs&) { seen.push_back("lost"); });
    f.cbx->On(ev::GotFocus, [&](EventArgs&) { seen.push_back("got"); });
    f.txt->Focus();
    EXPECT_FALSE(f.Control("cbxAlign").Owner()->SetFocus(f.cbx.get()));
    EXPECT_EQ(f.Focused(), f.txt.get());
    refuse = false;
    f.cbx->Focus();
    EXPECT_EQ(f.Focused(), f.cbx.get());
    EXPECT_EQ(seen, (std::vector<std::string>{"validate", "validate", "lost", "got"}));
}

TEST(Controls, AreReachableLateBoundByNameAndIdentifier) {
    TestForm f;
    const ObjectRef combo(f.cbx);
    combo.Call("AddItem", "General");
    combo.Put("ItemData", 0, 1);
    combo.Put("listindex", 0);
    EXPECT_EQ(combo.Get("Text"), Variant("General"));
    EXPECT_EQ(combo.Get("ItemData", 0), Variant(1));
    ObjectRef(f.txt).Put("Text", "late");
    EXPECT_EQ(f.txt->Text(), "late");
    EXPECT_EQ(ErrorOf([&] { ObjectRef(f.chk).Put("Text", "x"); }), 438);
    EXPECT_EQ(&f.Control("CHKWRAP"), f.chk.get());
    EXPECT_EQ(ErrorOf([&] { f.Control("missing"); }), 9);
    EXPECT_EQ(ErrorOf([&] { f.Add<CheckBox>("chkwrap", {}); }), 1004);

    const Variant color = Variant(0x00FF00);
    ObjectRef(f.csx).InvokeId(1, InvokeKind::Put, std::span(&color, 1));
    EXPECT_EQ(f.csx->SelColor(), 0x00FF00);
    ObjectRef(f.nbe).Put("Value", Variant::Null());
    EXPECT_TRUE(ObjectRef(f.nbe).Get("Value").IsNull());
}

TEST(Controls, BaseLibraryPenAndDiagram) {
    LineStyle pen("lnsLineStyle", {});
    const ObjectRef ref(std::shared_ptr<LineStyle>(&pen, [](LineStyle*) {}));
    for (int32_t s : {1, 4, 5, -4118, -4115}) {
        const Variant args[] = {Variant(s), Variant(1), Variant(s)};
        ref.InvokeId(8, InvokeKind::Call, args);
    }
    EXPECT_EQ(ref.InvokeId(1, InvokeKind::Get, {}), Variant(4));
    const Variant two[] = {Variant(2), Variant(-4138)};
    ref.InvokeId(10, InvokeKind::Put, two);
    EXPECT_EQ(pen.WeightOf(2), -4138);
    EXPECT_EQ(pen.StyleOf(3), -4118);
    EXPECT_EQ(ErrorOf([&] { pen.StyleOf(5); }), 9);
    // A selection stays within the entries; not narrowed to 16 bits first, or
    // 65536 would select entry 0.
    pen.UserSelect(1);
    EXPECT_EQ(ErrorOf([&] { pen.UserSelect(65536); }), 380);
    EXPECT_EQ(ErrorOf([&] { pen.UserSelect(5); }), 380);
    EXPECT_EQ(pen.SelIndex(), 1);

    QvFrameStyle diagram("bdfBorders", {});
    EventCounter clicks(diagram, ev::ValueChanged);
    diagram.SetLayout(1);
    diagram.UserClickBorder(12);
    EXPECT_EQ(clicks.last, std::vector<Variant>{Variant(12)});
    EXPECT_EQ(ErrorOf([&] { diagram.UserClickBorder(11); }), 5);
    diagram.SetBorderLineStyle(8, 1);
    EXPECT_EQ(diagram.BorderLineStyle(8), 1);
    EXPECT_EQ(diagram.BorderLineStyle(9), -4142);
    EXPECT_EQ(ErrorOf([&] { diagram.SetBorderColor(13, 0); }), 9);
    EXPECT_EQ(ErrorOf([&] { diagram.SetLayout(4); }), 380);
}

TEST(Controls, TellWhetherTheUserChangedTheSavedValue) {
    TestForm f;
    f.cbx->AddItem("8");
    f.cbx->AddItem("10");
    f.lst->AddItem("General");
    f.lst->AddItem("Number");
    f.nbe->SetValue(Variant::Null());
    struct Case {
        Control* control;
        std::function<void()> change;
        std::function<void()> changeBack;
    };
    const Case cases[] = {
        {f.chk.get(), [&] { f.chk->UserClick(); }, [&] { f.chk->SetValue(0); }},
        {f.opt1.get(), [&] { f.opt1->UserClick(); }, [&] { f.opt1->SetValue(false); }},
        {f.cbx.get(), [&] { f.cbx->UserSelect(1); }, [&] { f.cbx->SetListIndex(-1); }},
        {f.lst.get(), [&] { f.lst->UserSelect(0); }, [&] { f.lst->SetListIndex(-1); }},
        {f.txt.get(), [&] { f.txt->UserType("0.001"); }, [&] { f.txt->SetText(""); }},
        {f.nbe.get(), [&] { f.nbe->UserType("3"); }, [&] { f.nbe->UserType(""); }},
        {f.csx.get(), [&] { f.csx->UserPickColor(255); }, [&] { f.csx->UserPickAutomatic(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control->Name());
        c.control->SaveValue();
        EXPECT_FALSE(c.control->ChangedFromSaved());
        c.change();
        EXPECT_TRUE(c.control->ChangedFromSaved());
        c.changeBack();
        EXPECT_FALSE(c.control->ChangedFromSaved());
    }

    // A Null number box differs from one showing 0.
    f.nbe->SetValue(Variant(0));
    f.nbe->SaveValue();
    f.nbe->SetValue(Variant::Null());
    EXPECT_TRUE(f.nbe->ChangedFromSaved());

    // An edit field counts its text: typing the text of the selected item is
    // no change, though the selection is dropped.
    f.cbx->SetStyle(ComboStyle::DropDownCombo);
    f.cbx->SetListIndex(0);
    f.cbx->SaveValue();
    EXPECT_EQ(f.cbx->SavedValue(), Variant("8"));
    f.cbx->UserType("8");
    EXPECT_FALSE(f.cbx->ChangedFromSaved());
    f.cbx->UserType("9");
    EXPECT_TRUE(f.cbx->ChangedFromSaved());

    // A kind without a value never counts as changed.
    Label label("lblCaption", {});
    label.SaveValue();
    label.SetCaption("other");
    EXPECT_FALSE(label.ChangedFromSaved());
}

TEST(Controls, RefuseUserActionsTheirKindDoesNotHave) {
    TestForm f;
    Label label("lblCaption", {});
    CommandButton button("cmdOK", {});
    const std::pair<Control*, std::function<void(Control&)>> refused[] = {
        {&label, [](Control& c) { c.UserClick(); }},
        {f.chk.get(), [](Control& c) { c.UserSelect(0); }},
        {f.chk.get(), [](Control& c) { c.UserType("x"); }},
        {f.txt.get(), [](Control& c) { c.UserPickColor(0); }},
        {f.csx.get(), [](Control& c) { c.UserClickBorder(8); }},
        {f.txt.get(), [](Control& c) { c.UserSetValue(Variant(1)); }},
        {&button, [](Control& c) { c.UserSetValue(Variant(1)); }},
    };
    for (const auto& [control, act] : refused) {
        SCOPED_TRACE(control->Name());
        EXPECT_THROW(act(*control), ActionRefused);
    }
    // Through the base, the kinds that have an action do it.
    Control& check = *f.chk;
    check.UserClick();
    EXPECT_EQ(f.chk->Value(), 1);
    check.UserSetValue(Variant(2));
    EXPECT_EQ(f.chk->Value(), 2);
    Control& number = *f.nbe;
    number.UserSetValue(Variant(7));
    EXPECT_EQ(f.nbe->Value(), Variant(7));
    // A failure of an action the kind has is no refusal.
    f.txt->SetLocked(true);
    EXPECT_EQ(ErrorOf([&] { static_cast<Control&>(*f.txt).UserType("x"); }), 5);
}

TEST(Controls, ListAndComboBoxesKeepTheSelectionOnItsItem) {
    for (const bool combo : {true, false}) {
        SCOPED_TRACE(combo ? "ComboBox" : "ListBox");
        std::shared_ptr<ListControl> list;
        if (combo) {
            list = std::make_shared<ComboBox>("cbx", Rect{});
        } else {
            list = std::make_shared<ListBox>("lst", Rect{});
        }
        const ObjectRef ref(list);
        ref.Call("AddItem", "b");
        ref.Call("AddItem", "d");
        list->SetListIndex(1);
        ref.Call("AddItem", "a", 0);
        ref.Call("AddItem", "c", 2);
        EXPECT_EQ(list->ListIndex(), 3);
        EXPECT_EQ(list->List(3), "d");
        EXPECT_EQ(list->AddItem("e", 42), 4);
        EXPECT_EQ(list->ItemData(4), 42);
        ref.Call("RemoveItem", 0);
        EXPECT_EQ(list->ListIndex(), 2);
        ASSERT_NE(list->Items(), nullptr);
        EXPECT_EQ(list->Items()->Count(), 4);
        EXPECT_EQ(ErrorOf([&] { ref.Call("AddItem", "z", 9); }), 5);
        ref.Call("Clear");
        EXPECT_EQ(list->ListIndex(), -1);
        EXPECT_EQ(list->ListCount(), 0);
    }
    EXPECT_EQ(Label("lbl", {}).Items(), nullptr);
}

TEST(Controls, DescribeTheirStateWithTheHostsValueFormat) {
    TestForm f;
    const auto describe = [](const Control& c) {
        ControlDescription d([](const Variant& v) { return v.Describe(); });
        c.Describe(d);
        return d.Text();
    };
    f.cbx->AddItem("Left");
    f.cbx->SetListIndex(0);
    f.txt->SetText("ab");
    f.txt->SetSelStart(1);
    EXPECT_EQ(describe(*f.chk), " value=Long(0)");
    EXPECT_EQ(describe(*f.opt1), " value=False");
    EXPECT_EQ(describe(*f.cbx), " index=Long(0) text=String(\"Left\") items=Long(1)");
    EXPECT_EQ(describe(*f.txt), " text=String(\"ab\") selstart=Long(1) sellength=Long(0)");
    Label label("lbl", {});
    label.SetCaption("Preview");
    EXPECT_EQ(describe(label), " text=String(\"Preview\")");
}

TEST(HeadlessEnvironment, AnswersMessagesFoldersAndRunsPostedWork) {
    HeadlessEnvironment env;
    EnvironmentScope scope(env);
    EXPECT_EQ(&Environment::Current(), &env);
    env.QueueAnswer(msgbox::No);
    EXPECT_EQ(Environment::Current().MessageBox("Sure?", msgbox::YesNo, "T"), msgbox::No);
    EXPECT_EQ(Environment::Current().MessageBox("Again?", msgbox::YesNo, "T"), msgbox::Yes);
    ASSERT_EQ(env.Messages().size(), 2u);
    EXPECT_EQ(env.Messages()[0].prompt, "Sure?");

    env.QueueFolder("/tmp/backup");
    EXPECT_EQ(env.BrowseForFolder("Pick", "/home"), std::optional<std::string>("/tmp/backup"));
    EXPECT_EQ(env.BrowseForFolder("Pick", "/home"), std::nullopt);

    int ran = 0;
    env.Post([&] {
        ++ran;
        env.Post([&] { ran += 10; });
    });
    env.DoEvents();
    EXPECT_EQ(ran, 1); // work posted during a pass waits for the next one
    env.DoEvents();
    EXPECT_EQ(ran, 11);
}
