#include "qt/BorderButtonIcon.hpp"
#include "qt/FormView.hpp"
#include "qt/ToggleButtonPeer.hpp"
#include "vantor/ui/CheckBox.hpp"
#include "vantor/ui/Form.hpp"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace vantor::qt {
namespace {

bool Dark(const QImage& image, double x, double y) {
    const QColor c = image.pixelColor(static_cast<int>(x * (image.width() - 1)),
                                      static_cast<int>(y * (image.height() - 1)));
    return c.alpha() > 128 && c.lightness() < 80;
}

// Where each button's edge lies in its picture, and a place the edge does not reach.
struct EdgeCase {
    const char* name;
    double onX, onY, offX, offY;
};
constexpr EdgeCase kEdges[] = {
    {"cmdTop", 0.5, 0.13, 0.5, 0.87},     {"cmdBottom", 0.5, 0.9, 0.5, 0.13},
    {"cmdLeft", 0.13, 0.5, 0.87, 0.5},    {"cmdRight", 0.9, 0.5, 0.13, 0.5},
    {"cmdHInside", 0.3, 0.5, 0.5, 0.3},   {"cmdVInside", 0.5, 0.3, 0.3, 0.5},
    {"cmdDown", 0.3, 0.3, 0.7, 0.3},      {"cmdUp", 0.7, 0.3, 0.3, 0.3}};

TEST(BorderButtonIcon, EachPictureDrawsItsEdgeAtOneAndTwoDevicePixelsPerPixel) {
    for (const EdgeCase& c : kEdges) {
        const QIcon icon = BorderButtonIcon(c.name, 20);
        ASSERT_FALSE(icon.isNull()) << c.name;
        for (const qreal ratio : {1.0, 2.0}) {
            const QImage image = icon.pixmap(QSize(20, 20), ratio).toImage();
            EXPECT_EQ(image.width(), static_cast<int>(20 * ratio));
            EXPECT_TRUE(Dark(image, c.onX, c.onY)) << c.name << " at " << ratio;
            EXPECT_FALSE(Dark(image, c.offX, c.offY)) << c.name << " at " << ratio;
        }
    }
    EXPECT_TRUE(BorderButtonIcon("cmdNone", 20).isNull());
}

TEST(BorderButtonIcon, TheBorderToggleShowsItsPictureAndKeepsItsCaptionAsName) {
    Form form("Test", {0, 0, 3000, 3000});
    auto top = form.Add<CheckBox>("cmdTop", {0, 0, 420, 420}, "Top");
    top->SetPushButtonStyle(true);
    FormView view(form, 96.0);
    view.show();
    QApplication::processEvents();
    auto* peer = dynamic_cast<ToggleButtonPeer*>(view.Peer("cmdTop"));
    ASSERT_NE(peer, nullptr);
    EXPECT_FALSE(peer->icon().isNull());
    EXPECT_EQ(peer->accessibleName(), "Top");
    EXPECT_EQ(peer->toolTip(), "Top");
    // On the screen, the upper part of the button is darker than the lower.
    const QImage shot = peer->grab().toImage();
    int upper = 0;
    int lower = 0;
    for (int x = shot.width() / 4; x < shot.width() * 3 / 4; ++x) {
        for (int y = 0; y < shot.height() / 2; ++y) {
            upper += shot.pixelColor(x, y).lightness() < 80;
            lower += shot.pixelColor(x, shot.height() - 1 - y).lightness() < 80;
        }
    }
    EXPECT_GT(upper, lower + 5);
}

} // namespace
} // namespace vantor::qt
