#include "model/Application.hpp"
#include "model/Range.hpp"
#include "qt/AccessKeys.hpp"
#include "qt/FontPreviewPeer.hpp"
#include "qt/FormView.hpp"
#include "qt/PropertyDialogWindow.hpp"
#include "qt/QtEnvironment.hpp"
#include "qt/QtSurface.hpp"
#include "qt/SheetGrid.hpp"
#include "qt/StudioWindow.hpp"

#include <QAbstractButton>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace vantor::qt {
namespace {

class DialogKeyboard : public ::testing::Test {
protected:
    DialogKeyboard() {
        app->AddWorkbook("Book1");
        window = std::make_unique<StudioWindow>(app, 96.0);
        window->show();
        window->Grid()->Select({0, 0, 0, 0});
    }
    std::unique_ptr<PropertyDialogWindow> Open(const std::string& name) {
        auto dialog = window->CreateDialog(*host::DialogCatalogue::Find(name));
        dialog->show();
        dialog->activateWindow();
        QApplication::processEvents();
        return dialog;
    }
    static int TabOf(const PropertyDialogWindow& dialog, const std::string& className) {
        const auto& tabs = dialog.Dialog().Tabs();
        for (size_t i = 0; i < tabs.size(); ++i) {
            if (tabs[i].className == className) {
                dialog.Tabs()->setCurrentIndex(static_cast<int>(i));
                QApplication::processEvents();
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    QtEnvironment env{true};
    EnvironmentScope scope{env};
    std::shared_ptr<model::Application> app =
        model::Application::Create({"DejaVu Sans", "Liberation Sans", "Liberation Serif"});
    std::unique_ptr<StudioWindow> window;
};

TEST_F(DialogKeyboard, FocusStartsOnTheFirstControlAndTabsSwitchFromAnyControl) {
    const auto dialog = Open("Format Cells");
    QWidget* first = dialog->View(0)->FirstFocus();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(dialog->focusWidget(), first);

    const int count = dialog->Tabs()->count();
    const int font = TabOf(*dialog, "CellPropFont");
    QWidget* combo = dialog->View(font)->Peer("cbxSize")->focusProxy();
    ASSERT_NE(combo, nullptr);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(dialog->Tabs()->currentIndex(), font + 1);
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(dialog->focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(dialog->Tabs()->currentIndex(), font - 1);
    dialog->Tabs()->setCurrentIndex(count - 1);
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(dialog->Tabs()->currentIndex(), 0) << "around the end";
}

TEST_F(DialogKeyboard, TabFollowsReadingOrderWithTheEnablingBoxFirst) {
    const auto dialog = Open("Worksheet");
    FormView* view = dialog->View(TabOf(*dialog, "SheetPropView"));
    const auto proxy = [](QWidget* w) { return w->focusProxy() ? w->focusProxy() : w; };
    const std::vector<QWidget*> order = {proxy(view->Peer("chkShowGrid")),
                                         proxy(view->Peer("chkShowHeader")),
                                         proxy(view->Peer("csxGridColor")),
                                         proxy(view->Peer("chkFixRowCol")),
                                         proxy(view->Peer("nbeRowNumber"))};
    for (size_t i = 1; i < order.size(); ++i) {
        QWidget* next = order[i - 1]->nextInFocusChain();
        while (next != order[i] && !(next->focusPolicy() & Qt::TabFocus)) {
            next = next->nextInFocusChain();
        }
        EXPECT_EQ(next, order[i]) << i;
    }
}

TEST_F(DialogKeyboard, AccessLettersAreUniqueAmongWhatShowsAndLabelsLeadToTheirControls) {
    const auto dialog = Open("Format Cells");
    QSet<QChar> shared;
    for (const QPushButton* button :
         {dialog->OkButton(), dialog->CancelButton(), dialog->ApplyButton()}) {
        shared.insert(accesskeys::MarkedLetter(button->text()));
    }
    for (int i = 0; i < dialog->Tabs()->count(); ++i) {
        const QChar letter = accesskeys::MarkedLetter(dialog->Tabs()->tabText(i));
        EXPECT_FALSE(letter.isNull() || shared.contains(letter)) << i;
        shared.insert(letter);
    }
    for (int i = 0; i < dialog->Tabs()->count(); ++i) {
        QSet<QChar> used = shared;
        int marked = 0;
        for (const QAbstractButton* button : dialog->View(i)->findChildren<QAbstractButton*>()) {
            const QChar letter = accesskeys::MarkedLetter(button->text());
            if (!letter.isNull()) {
                EXPECT_FALSE(used.contains(letter)) << button->text().toStdString();
                used.insert(letter);
                ++marked;
            }
        }
        for (const QLabel* label : dialog->View(i)->findChildren<QLabel*>()) {
            const QChar letter = accesskeys::MarkedLetter(label->text());
            if (label->buddy() != nullptr) {
                EXPECT_FALSE(letter.isNull() || used.contains(letter)) << label->text().toStdString();
                used.insert(letter);
                ++marked;
            }
        }
        EXPECT_GT(marked, 0) << dialog->Tabs()->tabText(i).toStdString();
    }
    // The page's captions stay as they were.
    const int font = TabOf(*dialog, "CellPropFont");
    EXPECT_EQ(dialog->View(font)->Model().Control("chkBold").Caption().find('&'), std::string::npos);

    // Alt and a label's letter take the focus to its control.
    const auto* label = dialog->View(font)->findChild<QLabel*>();
    for (const QLabel* l : dialog->View(font)->findChildren<QLabel*>()) {
        if (l->buddy() != nullptr) {
            label = l;
            break;
        }
    }
    ASSERT_NE(label->buddy(), nullptr);
    const QChar letter = accesskeys::MarkedLetter(label->text());
    QTest::keyClick(dialog.get(), letter.toLatin1(), Qt::AltModifier);
    EXPECT_EQ(dialog->focusWidget(), label->buddy());
}

TEST_F(DialogKeyboard, EveryFormatMenuItemHasItsOwnLetter) {
    QMenu* format = nullptr;
    for (QAction* action : window->menuBar()->actions()) {
        if (action->text() == "F&ormat") {
            format = action->menu();
        }
    }
    ASSERT_NE(format, nullptr);
    QSet<QChar> used;
    for (const QAction* item : format->actions()) {
        if (!item->isSeparator()) {
            const QChar letter = accesskeys::MarkedLetter(item->text());
            EXPECT_FALSE(letter.isNull() || used.contains(letter)) << item->text().toStdString();
            used.insert(letter);
        }
    }
}

TEST_F(DialogKeyboard, TheEmptyDefaultsTabSaysItHoldsNothing) {
    const auto dialog = Open("Worksheet");
    const int defaults = TabOf(*dialog, "SheetPropDefault");
    ASSERT_GE(defaults, 0);
    const auto* label = dialog->View(defaults)->findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->isVisible());
    EXPECT_FALSE(label->text().isEmpty());
}

TEST_F(DialogKeyboard, EnterRunsTheFocusedControlsValidateBeforeOk) {
    const auto dialog = Open("Format Cells");
    const int font = TabOf(*dialog, "CellPropFont");
    auto* edit = dialog->View(font)->Peer("cbxFontName")->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    QApplication::processEvents();
    edit->selectAll();
    QTest::keyClicks(edit, "dejavu sans");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(ObjectRef(app->RangeOf("A1")).Get("Font").ToObject().Get("Name"),
              Variant("DejaVu Sans"));
}

TEST_F(DialogKeyboard, ThePreviewFollowsTheSizeAsItIsTyped) {
    const auto dialog = Open("Format Cells");
    const int font = TabOf(*dialog, "CellPropFont");
    auto* edit = dialog->View(font)->Peer("cbxSize")->findChild<QLineEdit*>();
    auto* preview = dynamic_cast<FontPreviewPeer*>(dialog->View(font)->Peer("prvPreview"));
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(preview, nullptr);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "26");
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(preview->Surface().CurrentFont().pointSizeF(), 26.0);
    EXPECT_FALSE(dialog->ApplyButton()->isEnabled()) << "not modified before the box is left";
}

} // namespace
} // namespace vantor::qt
