#include "host/HostVariantConverter.hpp"
#include "model/Application.hpp"
#include "model/Range.hpp"
#include "model/Workbook.hpp"
#include "qt/CheckBoxPeer.hpp"
#include "qt/ColorSelBoxPeer.hpp"
#include "qt/ComboBoxPeer.hpp"
#include "qt/FormView.hpp"
#include "qt/PropertyDialogWindow.hpp"
#include "qt/QtEnvironment.hpp"
#include "qt/SheetGrid.hpp"
#include "qt/StudioWindow.hpp"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace vantor::qt {
namespace {

constexpr double Dpi = 96.0;

// The studio over a small workbook: A1 wrapped and left-aligned, A2 neither.
class DialogTest : public ::testing::Test {
protected:
    DialogTest() {
        host::HostVariantConverter::Install();
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
    static int TabOf(const PropertyDialogWindow& dialog, const std::string& className) {
        const auto& tabs = dialog.Dialog().Tabs();
        for (size_t i = 0; i < tabs.size(); ++i) {
            if (tabs[i].className == className) {
                return static_cast<int>(i);
            }
        }
        return -1;
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
        EXPECT_EQ(dialog->Tabs()->tabText(i).toStdString(),
                  dialog->Dialog().Tabs()[static_cast<size_t>(i)].caption);
    }
    // Loading raised the controls' events, but only the user's change counts.
    EXPECT_FALSE(dialog->ApplyButton()->isEnabled());
    const int align = TabOf(*dialog, "CellPropAlign");
    ASSERT_GE(align, 0);
    dialog->Tabs()->setCurrentIndex(align);
    QWidget* wrap = dialog->View(align)->Peer("chkAutoNewLine");
    QTest::mouseClick(wrap, Qt::LeftButton, {}, QPoint(6, wrap->height() / 2));
    EXPECT_TRUE(dialog->Dialog().Changed());
    EXPECT_TRUE(dialog->ApplyButton()->isEnabled());
}

TEST_F(DialogTest, AMixedSelectionShowsGreyBoxesAndNoListSelection) {
    window->Grid()->Select({0, 0, 1, 0});
    const auto dialog = Open("Format Cells");
    const int align = TabOf(*dialog, "CellPropAlign");
    ASSERT_GE(align, 0);
    FormView* view = dialog->View(align);
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
    const int background = TabOf(*dialog, "CellPropBackGround");
    ASSERT_GE(background, 0);
    dialog->Tabs()->setCurrentIndex(background);
    dynamic_cast<ColorSelBoxPeer*>(dialog->View(background)->Peer("csxBackColor"))->Pick(0x0000FF);
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

TEST_F(DialogTest, CancelLeavesTheModelAlone) {
    window->Grid()->Select({0, 0, 0, 0});
    const auto dialog = Open("Format Cells");
    const int align = TabOf(*dialog, "CellPropAlign");
    ASSERT_GE(align, 0);
    QWidget* wrap = dialog->View(align)->Peer("chkAutoNewLine");
    QTest::mouseClick(wrap, Qt::LeftButton, {}, QPoint(6, wrap->height() / 2));
    QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
    EXPECT_TRUE(ObjectRef(app->RangeOf("A1")).Get("WrapText").ToBool());
    EXPECT_FALSE(app->CanUndo());
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
TEST_F(DialogTest, EveryPagesControlsLieInsideThePageAndDoNotOverlap) {
    window->Grid()->Select({1, 1, 2, 2});
    int pages = 0;
    for (const host::CatalogueDialog& catalogue : host::DialogCatalogue::Dialogs()) {
        const auto dialog = Open(catalogue.name);
        for (int t = 0; t < dialog->Tabs()->count(); ++t) {
            dialog->Tabs()->setCurrentIndex(t);
            QApplication::processEvents();
            FormView* view = dialog->View(t);
            ++pages;
            std::vector<QWidget*> shown;
            for (const auto& control : view->Model().Controls()) {
                QWidget* peer = view->Peer(control->Name());
                if (peer != nullptr && control->Visible()) {
                    shown.push_back(peer);
                }
            }
            for (QWidget* peer : shown) {
                const QRect inside =
                    peer->parentWidget()->rect().adjusted(-Slack, -Slack, Slack, Slack);
                EXPECT_TRUE(inside.contains(peer->geometry()))
                    << catalogue.name << " / " << dialog->Tabs()->tabText(t).toStdString() << ": "
                    << peer->objectName().toStdString() << " leaves its container";
            }
            for (size_t i = 0; i < shown.size(); ++i) {
                for (size_t j = i + 1; j < shown.size(); ++j) {
                    if (shown[i]->parentWidget() != shown[j]->parentWidget() ||
                        shown[i] == shown[j]->parentWidget() ||
                        shown[j] == shown[i]->parentWidget()) {
                        continue;
                    }
                    const QRect both = Shown(*shown[i]).intersected(Shown(*shown[j]));
                    EXPECT_TRUE(both.width() <= Slack || both.height() <= Slack)
                        << catalogue.name << " / " << dialog->Tabs()->tabText(t).toStdString()
                        << ": " << shown[i]->objectName().toStdString() << " overlaps "
                        << shown[j]->objectName().toStdString() << " by " << both.width() << "x"
                        << both.height();
                }
            }
        }
    }
    EXPECT_GT(pages, 5);
}

} // namespace
} // namespace vantor::qt
