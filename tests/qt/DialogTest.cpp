#include "model/Application.hpp"
#include "model/Range.hpp"
#include "model/Workbook.hpp"
#include "qt/CheckBoxPeer.hpp"
#include "qt/ColorSelBoxPeer.hpp"
#include "qt/ComboBoxPeer.hpp"
#include "qt/DialogPageWindow.hpp"
#include "qt/FontPreviewPeer.hpp"
#include "qt/FormView.hpp"
#include "qt/PropertyDialogWindow.hpp"
#include "qt/QtEnvironment.hpp"
#include "qt/QtSurface.hpp"
#include "qt/SheetGrid.hpp"
#include "qt/StudioWindow.hpp"
#include "vantor/dialogs/SheetProtectPass.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vantor::qt {
namespace {

constexpr double Dpi = 96.0;

// The studio over a small workbook: A1 wrapped and left-aligned, A2 neither.
class DialogTest : public ::testing::Test {
protected:
    DialogTest() {
        app->AddWorkbook("Book1");
        ObjectRef a1(app->RangeOf("A1"));
        a1.Put("WrapText", Variant(true));
        a1.Put("HorizontalAlignment", Variant(-4131));
        a1.Call("Apply");
        ObjectRef a2(app->RangeOf("A2"));
        a2.Put("HorizontalAlignment", Variant(-4152));
        a2.Call("Apply");
        window = std::make_unique<StudioWindow>(app, Dpi);
        window->show();
    }

    std::unique_ptr<PropertyDialogWindow> Open(const std::string& name) {
        auto dialog = window->CreateDialog(*host::DialogCatalogue::Find(name));
        dialog->show();
        QApplication::processEvents();
        return dialog;
    }
    // Shows a page's tab; its view, or nothing when the dialog has no such page.
    static FormView* ShowTab(const PropertyDialogWindow& dialog, const std::string& className) {
        const auto& tabs = dialog.Dialog().Tabs();
        for (size_t i = 0; i < tabs.size(); ++i) {
            if (tabs[i].className == className) {
                dialog.Tabs()->setCurrentIndex(static_cast<int>(i));
                QApplication::processEvents();
                return dialog.View(static_cast<int>(i));
            }
        }
        return nullptr;
    }
    std::unique_ptr<DialogPageWindow> OpenPage(const std::string& className) {
        auto dialog = window->CreateDialogPage(className);
        EXPECT_NE(dialog, nullptr) << className;
        if (dialog != nullptr) {
            dialog->show();
            QApplication::processEvents();
        }
        return dialog;
    }
    static void Click(const DialogPageWindow& dialog, const std::string& button) {
        QTest::mouseClick(dialog.View()->Peer(button), Qt::LeftButton);
    }
    // The focus moves to the peer as the user would move it; the page sees it.
    static void FocusOn(QWidget* peer) {
        peer->window()->activateWindow();
        peer->setFocus();
        QApplication::processEvents();
    }
    // Focus on the box (the page selects its entry), then typing.
    static void Type(DialogPageWindow& dialog, const std::string& box, const QString& text) {
        QWidget* peer = dialog.View()->Peer(box);
        FocusOn(peer);
        QTest::keyClicks(peer, text);
    }
    static void PressEnter(QWidget* peer, Qt::Key key = Qt::Key_Return,
                           Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        FocusOn(peer);
        QTest::keyClick(peer, key, modifiers);
    }
    QRgb Pixel(int32_t row, int32_t column) {
        QApplication::processEvents();
        const QImage image = window->Grid()->viewport()->grab().toImage();
        return image.pixel(window->Grid()->CellRect(row, column).center() + QPoint(8, 0));
    }

    QtEnvironment env{true};
    EnvironmentScope scope{env};
    std::shared_ptr<model::Application> app = model::Application::Create();
    std::unique_ptr<StudioWindow> window;
};

TEST_F(DialogTest, TabsAreTitledByTheCaptionsAndApplyWaitsForAChange) {
    window->Grid()->Select({0, 0, 0, 0});
    const auto dialog = Open("Format Cells");
    ASSERT_GT(dialog->Tabs()->count(), 0);
    for (int i = 0; i < dialog->Tabs()->count(); ++i) {
        EXPECT_EQ(dialog->Tabs()->tabText(i).remove('&').toStdString(),
                  dialog->Dialog().Tabs()[static_cast<size_t>(i)].caption);
    }
    // Loading raised the controls' events, but only the user's change counts.
    EXPECT_FALSE(dialog->ApplyButton()->isEnabled());
    FormView* align = ShowTab(*dialog, "CellPropAlign");
    ASSERT_NE(align, nullptr);
    QWidget* wrap = align->Peer("chkAutoNewLine");
    QTest::mouseClick(wrap, Qt::LeftButton, {}, QPoint(6, wrap->height() / 2));
    EXPECT_TRUE(dialog->Dialog().Changed());
    EXPECT_TRUE(dialog->ApplyButton()->isEnabled());
    // Cancel leaves the model alone.
    QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
    EXPECT_TRUE(ObjectRef(app->RangeOf("A1")).Get("WrapText").ToBool());
    EXPECT_FALSE(app->CanUndo());
}

TEST_F(DialogTest, AMixedSelectionShowsGreyBoxesAndNoListSelection) {
    window->Grid()->Select({0, 0, 1, 0});
    const auto dialog = Open("Format Cells");
    FormView* view = ShowTab(*dialog, "CellPropAlign");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(dynamic_cast<CheckBoxPeer*>(view->Peer("chkAutoNewLine"))->checkState(),
              Qt::PartiallyChecked);
    QComboBox* horizontal = dynamic_cast<ComboBoxPeer*>(view->Peer("cbxHorizonAlign"))->DropDown();
    EXPECT_EQ(horizontal->currentIndex(), -1);
    EXPECT_TRUE(horizontal->currentText().isEmpty());
}

TEST_F(DialogTest, OkWritesToTheModelTheGridRepaintsAndUndoTakesItBack) {
    window->Grid()->Select({0, 1, 0, 1}); // B1
    const QRgb before = Pixel(0, 1);
    const auto dialog = Open("Format Cells");
    FormView* background = ShowTab(*dialog, "CellPropBackGround");
    ASSERT_NE(background, nullptr);
    dynamic_cast<ColorSelBoxPeer*>(background->Peer("csxBackColor"))->Pick(0x0000FF);
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);

    EXPECT_FALSE(dialog->Dialog().Open());
    EXPECT_EQ(ObjectRef(app->RangeOf("B1")).Get("Interior").ToObject().Get("Color").ToLong(), 0xFF);
    EXPECT_EQ(Pixel(0, 1), qRgb(255, 0, 0));
    EXPECT_NE(Pixel(0, 0), qRgb(255, 0, 0)); // only the selection

    window->Undo();
    EXPECT_EQ(Pixel(0, 1), before);
    window->Redo();
    EXPECT_EQ(Pixel(0, 1), qRgb(255, 0, 0));
}

// Every page of every dialog: each shown control lies inside its page (or
// its frame) and overlaps no other shown control of the same container. A
// pixel of slack: designs in twips put neighbours 15 twips into each other,
// which shows as nothing.
constexpr int Slack = 1;

// What a control covers: a label only as far as its text reaches, since
// designs give labels room to spare.
QRect Shown(const QWidget& peer) {
    QRect r = peer.geometry();
    if (const auto* label = dynamic_cast<const QLabel*>(&peer)) {
        r.setWidth(std::min(r.width(), label->sizeHint().width()));
    }
    return r;
}
// Each shown control of the view lies inside its page (or its frame),
// overlaps no other shown control of the same container, and shows its
// caption whole.
void ExpectLaidOut(FormView& view, const std::string& where) {
    std::vector<QWidget*> shown;
    for (const auto& control : view.Model().Controls()) {
        QWidget* peer = view.Peer(control->Name());
        if (peer != nullptr && control->Visible()) {
            shown.push_back(peer);
        }
    }
    for (QWidget* peer : shown) {
        const std::string name = where + ": " + peer->objectName().toStdString();
        const QRect inside = peer->parentWidget()->rect().adjusted(-Slack, -Slack, Slack, Slack);
        EXPECT_TRUE(inside.contains(peer->geometry())) << name << " leaves its container";
        if (dynamic_cast<QCheckBox*>(peer) != nullptr ||
            dynamic_cast<QRadioButton*>(peer) != nullptr) {
            EXPECT_LE(peer->sizeHint().width(), peer->width()) << name << " cuts its caption";
        } else if (auto* button = dynamic_cast<QPushButton*>(peer)) {
            const QString text = QString(button->text()).remove('&');
            EXPECT_LE(button->fontMetrics().horizontalAdvance(text), button->width() - 2)
                << name << " cuts its caption";
        }
    }
    for (size_t i = 0; i < shown.size(); ++i) {
        for (size_t j = i + 1; j < shown.size(); ++j) {
            if (shown[i]->parentWidget() != shown[j]->parentWidget() ||
                shown[i] == shown[j]->parentWidget() || shown[j] == shown[i]->parentWidget()) {
                continue;
            }
            const QRect both = Shown(*shown[i]).intersected(Shown(*shown[j]));
            EXPECT_TRUE(both.width() <= Slack || both.height() <= Slack)
                << where << ": " << shown[i]->objectName().toStdString() << " overlaps "
                << shown[j]->objectName().toStdString() << " by " << both.width() << "x"
                << both.height();
        }
    }
}

TEST_F(DialogTest, EveryPagesControlsLieInsideThePageAndDoNotOverlap) {
    window->Grid()->Select({1, 1, 2, 2});
    int pages = 0;
    for (const host::CatalogueDialog& catalogue : host::DialogCatalogue::Dialogs()) {
        const auto dialog = Open(catalogue.name);
        for (int t = 0; t < dialog->Tabs()->count(); ++t) {
            dialog->Tabs()->setCurrentIndex(t);
            QApplication::processEvents();
            ++pages;
            ExpectLaidOut(*dialog->View(t),
                          catalogue.name + " / " + dialog->Tabs()->tabText(t).toStdString());
        }
    }
    EXPECT_GT(pages, 5);
    for (const std::string& className : host::DialogCatalogue::DialogStylePages()) {
        if (const auto dialog = OpenPage(className)) {
            ExpectLaidOut(*dialog->View(), className);
            // The page is the whole dialog: no row of dialog buttons below it.
            EXPECT_TRUE(dialog->findChildren<QDialogButtonBox*>().isEmpty()) << className;
            EXPECT_TRUE(dialog->rect().contains(dialog->View()->geometry())) << className;
        }
    }
}

// The page's own rules (entries that differ are refused) are its tests';
// here the window: its title, the page's OK ending it, and what was typed.
TEST_F(DialogTest, PasswordDialogEndsThroughItsOwnOkWithWhatWasTyped) {
    const auto dialog = OpenPage("SheetProtectPass");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Sheet Password");
    Type(*dialog, "txtNew", "abc");
    Type(*dialog, "txtVerify", "abc");
    Click(*dialog, "cmdOK");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->Result(), DialogSite::ResultOk);
    ASSERT_EQ(dialog->Site().Calls().size(), 1u);
    EXPECT_EQ(dialog->Site().Calls()[0].first, DialogSite::ResultOk);
    EXPECT_EQ(dialog->Site().Calls()[0].second.ToLong(), 0);
    Variant old, fresh, verify;
    dynamic_cast<SheetProtectPass&>(dialog->Page()).GetPasswords(old, fresh, verify);
    EXPECT_EQ(fresh.ToString(), "abc");
}

TEST_F(DialogTest, DialogStylePagesEndOnlyThroughTheirOwnButtonsAndClosingIsCancel) {
    const auto choice = OpenPage("SheetChoice");
    ASSERT_NE(choice, nullptr);
    Click(*choice, "cmdCancel");
    EXPECT_FALSE(choice->isVisible());
    EXPECT_EQ(choice->result(), QDialog::Rejected);
    EXPECT_EQ(choice->Result(), DialogSite::ResultCancel);
    ASSERT_EQ(choice->Site().Calls().size(), 1u);
    EXPECT_EQ(choice->Site().Calls()[0].first, DialogSite::ResultCancel);

    const auto styles = OpenPage("CellStyles");
    ASSERT_NE(styles, nullptr);
    // Add asks for a name in a form of its own; the styles dialog stays.
    Click(*styles, "cmdAdd");
    EXPECT_TRUE(styles->isVisible());
    EXPECT_TRUE(styles->Site().Calls().empty());
    Click(*styles, "cmdOK");
    EXPECT_FALSE(styles->isVisible());
    EXPECT_EQ(styles->result(), QDialog::Accepted);
    EXPECT_EQ(styles->Result(), DialogSite::ResultOk);

    // The window's own close is Cancel, and the page ended nothing.
    const auto closed = OpenPage("SheetChoice");
    ASSERT_NE(closed, nullptr);
    QTest::keyClick(closed.get(), Qt::Key_Escape);
    EXPECT_FALSE(closed->isVisible());
    EXPECT_EQ(closed->Result(), DialogSite::ResultCancel);
    EXPECT_TRUE(closed->Site().Calls().empty());
}

TEST_F(DialogTest, EnterInADialogStylePageIsItsOkUnlessAButtonHasTheFocus) {
    const struct {
        std::string page;
        std::string control;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } entries[] = {
        {"SheetProtectPass", "txtVerify", Qt::Key_Return, Qt::NoModifier},
        {"CellStyles", "lstIncludes", Qt::Key_Enter, Qt::KeypadModifier},
        {"SheetChoice", "lstSheets", Qt::Key_Return, Qt::NoModifier},
    };
    for (const auto& entry : entries) {
        const auto dialog = OpenPage(entry.page);
        ASSERT_NE(dialog, nullptr);
        PressEnter(dialog->View()->Peer(entry.control), entry.key, entry.modifiers);
        EXPECT_FALSE(dialog->isVisible()) << entry.page;
        EXPECT_EQ(dialog->Result(), DialogSite::ResultOk) << entry.page;
        ASSERT_EQ(dialog->Site().Calls().size(), 1u) << entry.page;
    }

    // Enter goes through the page's own OK, so its check still refuses.
    const auto password = OpenPage("SheetProtectPass");
    ASSERT_NE(password, nullptr);
    Type(*password, "txtVerify", "abc");
    PressEnter(password->View()->Peer("txtVerify"));
    EXPECT_TRUE(password->isVisible());
    EXPECT_TRUE(password->Site().Calls().empty());
    ASSERT_FALSE(env.Messages().empty());
    EXPECT_EQ(env.Messages().back().prompt, SheetProtectPass::Mismatch);

    PressEnter(password->View()->Peer("cmdCancel"));
    EXPECT_FALSE(password->isVisible());
    EXPECT_EQ(password->Result(), DialogSite::ResultCancel);
}

TEST_F(DialogTest, EnterOnAPropertyDialogPressesTheFocusedPageButtonElseOk) {
    const auto dialog = Open("Workbook and Worksheet");
    int recalcs = 0;
    dialog->View(0)->Model().Control("cmdRecalc").On(ev::Click, [&](EventArgs&) { ++recalcs; });
    PressEnter(dialog->View(0)->Peer("cmdRecalc"));
    EXPECT_EQ(recalcs, 1);
    EXPECT_TRUE(dialog->isVisible());
    PressEnter(dialog->View(0)->Peer("chkShowGrid"));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(dialog->Dialog().Open());
}

TEST_F(DialogTest, TheStudioRunsADialogStylePageUntilItsOwnOkEndsIt) {
    auto visiblePage = [] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* page = dynamic_cast<DialogPageWindow*>(top); page && page->isVisible()) {
                return page;
            }
        }
        return static_cast<DialogPageWindow*>(nullptr);
    };
    QTimer::singleShot(0, [&] {
        if (DialogPageWindow* page = visiblePage()) {
            Click(*page, "cmdOK");
        }
    });
    // Should the click not end it, the dialog is closed, which is Cancel.
    QTimer::singleShot(2000, [&] {
        if (DialogPageWindow* page = visiblePage()) {
            page->reject();
        }
    });
    window->RunDialogPage("SheetChoice");
    EXPECT_EQ(window->statusBar()->currentMessage().toStdString(), "Choose Sheet: OK");
}

TEST_F(DialogTest, TheDialogStylePagesGetTheSelectionOrTheWorkbook) {
    window->Grid()->Select({0, 0, 0, 0});
    const auto styles = OpenPage("CellStyles");
    ASSERT_NE(styles, nullptr);
    const ListItems* list = styles->Page().Control("cbxStyles").Items();
    ASSERT_NE(list, nullptr);
    EXPECT_GE(list->Count(), 6); // the built-in styles at least
    const auto sheets = OpenPage("SheetChoice");
    ASSERT_NE(sheets, nullptr);
    const ListItems* names = sheets->Page().Control("lstSheets").Items();
    ASSERT_NE(names, nullptr);
    EXPECT_GE(names->Count(), 1);
}

TEST_F(DialogTest, TheFontPreviewRepaintsWhenTheFontPageChangesTheFont) {
    window->Grid()->Select({0, 0, 0, 0});
    const auto dialog = Open("Format Cells");
    FormView* font = ShowTab(*dialog, "CellPropFont");
    ASSERT_NE(font, nullptr);
    auto* preview = dynamic_cast<FontPreviewPeer*>(font->Peer("prvPreview"));
    ASSERT_NE(preview, nullptr);
    const double before = preview->Surface().LastTextPosition().x();
    // Bold text is wider, so the centred sample starts further left once
    // the preview has been painted again.
    QWidget* bold = font->Peer("chkBold");
    QTest::mouseClick(bold, Qt::LeftButton, {}, QPoint(6, bold->height() / 2));
    QApplication::processEvents();
    EXPECT_TRUE(preview->Surface().CurrentFont().bold());
    EXPECT_LT(preview->Surface().LastTextPosition().x(), before);
}

} // namespace
} // namespace vantor::qt
