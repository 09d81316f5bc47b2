#include "qt/CheckBoxPeer.hpp"
#include "qt/ColorSelBoxPeer.hpp"
#include "qt/ComboBoxPeer.hpp"
#include "qt/FormView.hpp"
#include "qt/LineStylePeer.hpp"
#include "qt/ListBoxPeer.hpp"
#include "qt/NumberEditPeer.hpp"
#include "qt/OptionButtonPeer.hpp"
#include "qt/QvFrameStylePeer.hpp"
#include "qt/TextBoxPeer.hpp"
#include "qt/ToggleButtonPeer.hpp"
#include "qt/Twips.hpp"
#include "vantor/ui/CommandButton.hpp"
#include "vantor/ui/Frame.hpp"
#include "vantor/ui/Label.hpp"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace vantor::qt {
namespace {

// 96 dots per inch: 15 twips a pixel.
constexpr double Dpi = 96.0;

// Where a check box or option button takes a click: on its indicator.
QPoint OnIndicator(const QWidget& button) {
    return QPoint(6, button.height() / 2);
}

// A form with one control of each kind, shown offscreen, counting the events
// each control raises.
class PeerTest : public ::testing::Test {
protected:
    PeerTest() : form("Test", {0, 0, 9000, 6000}) {}

    template <typename T> T& Peer(const std::string& name) {
        auto* peer = dynamic_cast<T*>(view->Peer(name));
        EXPECT_NE(peer, nullptr) << name;
        return *peer;
    }
    void Show() {
        view = std::make_unique<FormView>(form, Dpi);
        view->show();
        QApplication::processEvents();
    }
    void Count(Control& control, int event) {
        control.On(event, [this, &control](EventArgs&) { ++events[control.Name()]; });
    }

    Form form;
    std::unique_ptr<FormView> view;
    std::map<std::string, int> events;
};

TEST_F(PeerTest, ControlsSitAtTheirDesignPositionsInPixels) {
    form.Add<Frame>("frBox", {1440, 720, 2880, 1440}, "Box");
    form.Add<CheckBox>("chkInside", {150, 300, 1500, 600}, "Inside", "frBox");
    Show();
    EXPECT_EQ(view->Peer("frBox")->geometry(), QRect(96, 48, 192, 96));
    // Positions inside a frame are relative to it, and the frame is the parent.
    EXPECT_EQ(view->Peer("chkInside")->parentWidget(), view->Peer("frBox"));
    EXPECT_EQ(view->Peer("chkInside")->geometry(), QRect(10, 20, 100, 40));
    EXPECT_EQ(view->size(), QSize(600, 400));
}

TEST_F(PeerTest, MovingOrHidingAControlByCodeMovesOrHidesItsWidget) {
    auto box = form.Add<CheckBox>("chkA", {0, 0, 1500, 600}, "A");
    Show();
    box->Move({1500, 1500, 1500, 600});
    box->SetEnabled(false);
    EXPECT_EQ(view->Peer("chkA")->pos(), QPoint(100, 100));
    EXPECT_FALSE(view->Peer("chkA")->isEnabled());
    QTest::mouseClick(view->Peer("chkA"), Qt::LeftButton, {}, OnIndicator(*view->Peer("chkA")));
    EXPECT_EQ(box->Value(), 0); // a disabled control takes no click
    box->SetVisible(false);
    EXPECT_FALSE(view->Peer("chkA")->isVisible());
}

TEST_F(PeerTest, CheckBoxClicksGoThroughTheControlAndGreyShowsPartlyChecked) {
    auto box = form.Add<CheckBox>("chkBold", {0, 0, 2000, 300}, "Bold");
    Count(*box, ev::Click);
    Show();
    auto& peer = Peer<CheckBoxPeer>("chkBold");

    box->SetValue(2);
    EXPECT_EQ(peer.checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(events["chkBold"], 1); // the code's change, not fed back by the widget

    // A click on a grey box checks it, the next one clears it.
    QTest::mouseClick(&peer, Qt::LeftButton, {}, OnIndicator(peer));
    EXPECT_EQ(box->Value(), 1);
    EXPECT_EQ(peer.checkState(), Qt::Checked);
    QTest::mouseClick(&peer, Qt::LeftButton, {}, OnIndicator(peer));
    EXPECT_EQ(box->Value(), 0);
    EXPECT_EQ(peer.checkState(), Qt::Unchecked);
    EXPECT_EQ(events["chkBold"], 3);
}

TEST_F(PeerTest, PushButtonStyleCheckBoxIsAToggleButton) {
    auto toggle = form.Add<CheckBox>("cmdTop", {0, 0, 420, 420}, "Top border");
    toggle->SetPushButtonStyle(true);
    toggle->SetValue(2);
    Show();
    auto* peer = dynamic_cast<ToggleButtonPeer*>(view->Peer("cmdTop"));
    ASSERT_NE(peer, nullptr);
    EXPECT_EQ(peer->text(), "TB");
    EXPECT_FALSE(peer->isChecked());
    QTest::mouseClick(peer, Qt::LeftButton);
    EXPECT_EQ(toggle->Value(), 1);
    EXPECT_TRUE(peer->isChecked());
    QTest::mouseClick(peer, Qt::LeftButton);
    EXPECT_EQ(toggle->Value(), 0);
    EXPECT_FALSE(peer->isChecked());
}

TEST_F(PeerTest, InADialogEnterInABoxPressesTheButtonTheDesignMadeDefault) {
    form.Add<TextBox>("txtName", {0, 0, 2000, 300});
    auto first = form.Add<CommandButton>("cmdFirst", {0, 600, 1200, 375}, "First");
    auto chosen = form.Add<CommandButton>("cmdChosen", {1500, 600, 1200, 375}, "Chosen");
    chosen->SetDefault(true);
    Count(*first, ev::Click);
    Count(*chosen, ev::Click);
    QDialog dialog;
    auto* dialogView = new FormView(form, Dpi, &dialog);
    dialog.show();
    QApplication::processEvents();
    QWidget* box = dialogView->Peer("txtName");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(events, (std::map<std::string, int>{{"cmdChosen", 1}}));
}

TEST_F(PeerTest, OptionButtonsOfOneContainerAreOneGroup) {
    auto left = form.Add<OptionButton>("optLeft", {0, 0, 2000, 300}, "Left");
    auto right = form.Add<OptionButton>("optRight", {0, 400, 2000, 300}, "Right");
    left->SetValue(true);
    Count(*right, ev::Click);
    Show();
    QTest::mouseClick(view->Peer("optRight"), Qt::LeftButton, {},
                      OnIndicator(*view->Peer("optRight")));
    EXPECT_TRUE(right->Value());
    EXPECT_FALSE(left->Value());
    EXPECT_FALSE(Peer<OptionButtonPeer>("optLeft").isChecked());
    EXPECT_EQ(events["optRight"], 1);
}

TEST_F(PeerTest, DropDownListChoiceIsTheControlsSelectionAndNoneShowsEmpty) {
    auto combo = form.Add<ComboBox>("cbxAlign", {0, 0, 2000, 300});
    combo->SetStyle(ComboStyle::DropDownList);
    combo->AddItem("Left");
    combo->AddItem("Centre");
    combo->AddItem("Right");
    Count(*combo, ev::Click);
    Show();
    QComboBox* dropDown = Peer<ComboBoxPeer>("cbxAlign").DropDown();
    ASSERT_NE(dropDown, nullptr);
    EXPECT_EQ(dropDown->count(), 3);
    EXPECT_EQ(dropDown->currentIndex(), -1);

    dropDown->setFocus();
    QTest::keyClick(dropDown, Qt::Key_Down);
    EXPECT_EQ(combo->ListIndex(), 0);
    EXPECT_EQ(events["cbxAlign"], 1);

    combo->SetListIndex(-1);
    EXPECT_EQ(dropDown->currentIndex(), -1);
    EXPECT_EQ(events["cbxAlign"], 2);
}

TEST_F(PeerTest, SimpleComboTypingDropsTheSelectionAndClickingSelects) {
    auto combo = form.Add<ComboBox>("cbxSize", {0, 0, 2000, 1800});
    combo->SetStyle(ComboStyle::Simple);
    for (const char* size : {"8", "9", "10", "11"}) {
        combo->AddItem(size);
    }
    combo->SetListIndex(2);
    Count(*combo, ev::Change);
    Count(*combo, ev::Click);
    Show();
    auto& peer = Peer<ComboBoxPeer>("cbxSize");
    ASSERT_NE(peer.Edit(), nullptr);
    EXPECT_EQ(peer.Edit()->text(), "10");
    EXPECT_EQ(peer.List()->currentRow(), 2);
    // The list stays open under the field.
    EXPECT_GT(peer.List()->geometry().top(), peer.Edit()->geometry().top());

    peer.Edit()->setFocus();
    peer.Edit()->selectAll();
    QTest::keyClicks(peer.Edit(), "12");
    EXPECT_EQ(combo->Text(), "12");
    EXPECT_EQ(combo->ListIndex(), -1);
    EXPECT_TRUE(peer.List()->selectedItems().isEmpty());
    EXPECT_EQ(events["cbxSize"], 2); // one Change per typed character

    const QRect row = peer.List()->visualItemRect(peer.List()->item(1));
    QTest::mouseClick(peer.List()->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(combo->ListIndex(), 1);
    EXPECT_EQ(peer.Edit()->text(), "9");
}

TEST_F(PeerTest, ListBoxSelectionBothWays) {
    auto list = form.Add<ListBox>("lstKinds", {0, 0, 2000, 1500});
    list->AddItem("Number");
    list->AddItem("Text");
    Count(*list, ev::Click);
    Show();
    auto& peer = Peer<ListBoxPeer>("lstKinds");
    QTest::mouseClick(peer.viewport(), Qt::LeftButton, {},
                      peer.visualItemRect(peer.item(1)).center());
    EXPECT_EQ(list->ListIndex(), 1);
    EXPECT_EQ(events["lstKinds"], 1);
    list->SetListIndex(-1);
    EXPECT_TRUE(peer.selectedItems().isEmpty());
    EXPECT_EQ(events["lstKinds"], 2);
}

TEST_F(PeerTest, TextBoxHoldsTypingToItsMaximumLengthAndMasksPasswords) {
    auto text = form.Add<TextBox>("txtCode", {0, 0, 2000, 300});
    text->SetMaxLength(4);
    auto secret = form.Add<TextBox>("txtPassword", {0, 400, 2000, 300});
    secret->SetPasswordChar("*");
    Count(*text, ev::Change);
    Show();
    auto& peer = Peer<TextBoxPeer>("txtCode");
    peer.setFocus();
    QTest::keyClicks(&peer, "abcdef");
    EXPECT_EQ(text->Text(), "abcd");
    EXPECT_EQ(peer.text(), "abcd");
    EXPECT_EQ(events["txtCode"], 4);
    EXPECT_EQ(Peer<TextBoxPeer>("txtPassword").echoMode(), QLineEdit::Password);

    text->SetText("xy");
    EXPECT_EQ(peer.text(), "xy");
    EXPECT_EQ(events["txtCode"], 5);
}

TEST_F(PeerTest, TextBoxShowsASelectionMadeByCodeAndTypingKeepsTheCaret) {
    auto text = form.Add<TextBox>("txtName", {0, 0, 2000, 300});
    text->SetText("Style 1");
    // As the pages do: the whole entry selected on focus, so typing replaces it.
    text->On(ev::GotFocus, [&text](EventArgs&) {
        text->SetSelStart(0);
        text->SetSelLength(7);
    });
    Show();
    auto& peer = Peer<TextBoxPeer>("txtName");
    view->activateWindow();
    peer.setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(text->HasFocus());
    EXPECT_EQ(peer.selectedText(), "Style 1");
    QTest::keyClicks(&peer, "Body");
    EXPECT_EQ(text->Text(), "Body");

    peer.setCursorPosition(1);
    QTest::keyClicks(&peer, "xy");
    EXPECT_EQ(text->Text(), "Bxyody");
    EXPECT_EQ(peer.cursorPosition(), 3);
}

TEST_F(PeerTest, NumberEditShowsNullEmptyAndKeepsItsRange) {
    auto number = form.Add<NumberEdit>("nbeIndent", {0, 0, 1500, 300});
    number->SetRange(0, 15);
    number->SetValue(Variant(3));
    Count(*number, ev::ValueChanged);
    Show();
    auto& peer = Peer<NumberEditPeer>("nbeIndent");
    EXPECT_EQ(peer.text(), "3");

    number->SetValue(Variant::Null());
    EXPECT_EQ(peer.text(), "");

    peer.setFocus();
    QTest::keyClicks(&peer, "40");
    QTest::keyClick(&peer, Qt::Key_Return);
    EXPECT_EQ(number->Value().ToLong(), 15);
    EXPECT_EQ(peer.text(), "15");
    // At the maximum only the down button works.
    peer.stepBy(1);
    EXPECT_EQ(number->Value().ToLong(), 15);
    peer.stepBy(-2);
    EXPECT_EQ(number->Value().ToLong(), 13);
    EXPECT_EQ(events["nbeIndent"], 3);
}

TEST_F(PeerTest, ColourSelectorPicksAutomaticPaletteAndCustomColours) {
    auto colour = form.Add<ColorSelBox>("csxColor", {0, 0, 1500, 315});
    Count(*colour, ev::ColorPicked);
    Show();
    auto& peer = Peer<ColorSelBoxPeer>("csxColor");
    peer.Pick(ColorSelBox::Palette()[3]);
    EXPECT_EQ(colour->SelColor(), ColorSelBox::Palette()[3]);
    peer.Pick(0x123456);
    EXPECT_EQ(colour->SelColor(), 0x123456);
    peer.Pick(ColorSelBox::Automatic);
    EXPECT_EQ(colour->SelColor(), ColorSelBox::Automatic);
    EXPECT_EQ(events["csxColor"], 3);
    // Its menu offers automatic, the whole palette and more colours.
    ASSERT_NE(peer.menu(), nullptr);
    EXPECT_EQ(peer.menu()->actions().size(), 3);
    EXPECT_EQ(peer.menu()->findChildren<QToolButton*>().size(),
              static_cast<qsizetype>(ColorSelBox::Palette().size()));
}

TEST_F(PeerTest, LineStylePickerSelectsTheEntryClicked) {
    auto lines = form.Add<LineStyle>("lnsLineStyle", {0, 0, 1500, 1500});
    lines->SetRows(5);
    for (int32_t style : {1, -4115, -4118, 4, -4119}) {
        lines->AddStyle(style, 2, style);
    }
    Show();
    auto& peer = Peer<LineStylePeer>("lnsLineStyle");
    QTest::mouseClick(&peer, Qt::LeftButton, {}, peer.EntryRect(3).center());
    EXPECT_EQ(lines->SelIndex(), 3);
    QTest::keyClick(&peer, Qt::Key_Down);
    EXPECT_EQ(lines->SelIndex(), 4);
}

TEST_F(PeerTest, BorderDiagramClicksRaiseTheBorderAndInsideLinesFollowTheLayout) {
    auto diagram = form.Add<QvFrameStyle>("bdfBorders", {0, 0, 2400, 2400});
    std::vector<int32_t> clicked;
    diagram->On(ev::ValueChanged,
                [&](EventArgs& args) { clicked.push_back(args.params.at(0).ToLong()); });
    Show();
    auto& peer = Peer<QvFrameStylePeer>("bdfBorders");
    const QPoint middle = peer.rect().center();

    // One cell: the middle holds no inside line, only the crossing diagonals.
    EXPECT_TRUE(peer.Segments(11).empty());
    QTest::mouseClick(&peer, Qt::LeftButton, {},
                      QPoint(peer.Segments(7)[0].p1().toPoint().x(), middle.y() + 20));
    QTest::mouseClick(&peer, Qt::LeftButton, {},
                      QPoint(middle.x(), peer.Segments(9)[0].p1().toPoint().y()));
    EXPECT_EQ(clicked, (std::vector<int32_t>{7, 9}));

    diagram->SetLayout(3);
    ASSERT_EQ(peer.Segments(11).size(), 1u);
    EXPECT_EQ(peer.Segments(5).size(), 4u); // a diagonal in each of the four cells
    QTest::mouseClick(&peer, Qt::LeftButton, {}, QPoint(middle.x(), middle.y() + 30));
    EXPECT_EQ(clicked.back(), 11);
    QTest::mouseClick(&peer, Qt::LeftButton, {}, QPoint(middle.x() - 30, middle.y()));
    EXPECT_EQ(clicked.back(), 12);
}

TEST(TwipsTest, ConvertsEdgesSoNeighboursStillTouch) {
    EXPECT_EQ(TwipsToPixels(1440, 96.0), 96);
    EXPECT_EQ(TwipsToPixels(1440, 144.0), 144);
    const QRect a = TwipsToPixels(Rect{0, 0, 1000, 100}, 96.0);
    const QRect b = TwipsToPixels(Rect{1000, 0, 1000, 100}, 96.0);
    EXPECT_EQ(a.right() + 1, b.left());
}

TEST(TwipsTest, ColoursKeepRedInTheLowByteAndResolveSystemColours) {
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    EXPECT_EQ(ColorOf(0x0000FF, palette), QColor(255, 0, 0));
    EXPECT_EQ(ColorOf(static_cast<int32_t>(0x8000000F), palette), QColor(1, 2, 3));
    EXPECT_EQ(RgbOf(QColor(0x12, 0x34, 0x56)), 0x563412);
    EXPECT_EQ(CaptionText("&Bold && more", false), "Bold & more");
}

} // namespace
} // namespace vantor::qt
