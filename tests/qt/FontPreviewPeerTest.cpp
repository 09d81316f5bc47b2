#include "qt/FontPreviewPeer.hpp"
#include "qt/FormView.hpp"
#include "qt/QtSurface.hpp"

#include <QApplication>
#include <QFontMetricsF>

#include <gtest/gtest.h>

namespace vantor::qt {
namespace {

constexpr double Dpi = 96.0;

// A preview of 300 by 60 pixels with a single-line border, painted offscreen.
class FontPreviewPeerTest : public ::testing::Test {
protected:
    FontPreviewPeerTest() : form("Test", {0, 0, 6000, 1500}) {
        preview = form.Add<FontPreview>("prvPreview", {0, 0, 4500, 900});
        preview->SetFontName("Liberation Sans");
        preview->SetFontSize(12.0f);
        preview->SetBorderStyle(1);
        preview->SetBackColor(0xFFFFFF);
        preview->SetForeColor(0x000000);
        view = std::make_unique<FormView>(form, Dpi);
        view->show();
    }

    FontPreviewPeer& Peer() { return *dynamic_cast<FontPreviewPeer*>(view->Peer("prvPreview")); }
    // Paints the peer and returns its image.
    QImage Paint() {
        QApplication::processEvents();
        return Peer().grab().toImage();
    }
    QSizeF TextSize(const QString& text) {
        const QFontMetricsF metrics(Peer().Surface().CurrentFont());
        return {metrics.horizontalAdvance(text), metrics.height()};
    }
    // The columns in which any pixel is dark.
    static std::pair<int, int> InkColumns(const QImage& image) {
        int first = image.width();
        int last = -1;
        for (int y = 2; y < image.height() - 2; ++y) {
            for (int x = 2; x < image.width() - 2; ++x) {
                if (qGray(image.pixel(x, y)) < 128) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
        }
        return {first, last};
    }

    Form form;
    std::shared_ptr<FontPreview> preview;
    std::unique_ptr<FormView> view;
};

TEST_F(FontPreviewPeerTest, CentredTextIsPlacedByTheFontsMetrics) {
    preview->SetText("AaBbYyZz");
    const QImage image = Paint();
    const QSizeF size = TextSize("AaBbYyZz");
    // Inside the one-pixel border: 298 by 58.
    const QPointF at = Peer().Surface().LastTextPosition();
    EXPECT_FLOAT_EQ(at.x(), static_cast<float>((298 - size.width()) / 2));
    EXPECT_FLOAT_EQ(at.y(), static_cast<float>((58 - size.height()) / 2));
    const auto [first, last] = InkColumns(image);
    // The ink sits about the middle, not at either end.
    EXPECT_NEAR((first + last) / 2.0, 150.0, 4.0);
}

TEST_F(FontPreviewPeerTest, TopIsOneUnitDownAndUnknownCodesDrawAtTheOrigin) {
    preview->SetText("Top");
    preview->SetVerticalAlign(0);
    preview->SetHorizonAlign(2);
    Paint();
    EXPECT_FLOAT_EQ(Peer().Surface().LastTextPosition().y(), 1.0f);
    EXPECT_FLOAT_EQ(Peer().Surface().LastTextPosition().x(),
                    static_cast<float>(298 - TextSize("Top").width()));

    preview->SetVerticalAlign(3);
    preview->SetHorizonAlign(3);
    const QImage image = Paint();
    EXPECT_EQ(Peer().Surface().LastTextPosition(), QPointF(0, 0));
    EXPECT_LT(InkColumns(image).first, 8);
}

TEST_F(FontPreviewPeerTest, ATextWiderThanTheAreaStartsLeftOfItWhenCentred) {
    preview->SetText(std::string(80, 'W'));
    Paint();
    EXPECT_LT(Peer().Surface().LastTextPosition().x(), 0.0);
}

TEST_F(FontPreviewPeerTest, SystemColoursComeFromThePalette) {
    preview->SetText("");
    preview->SetBackColor(static_cast<int32_t>(0x80000005)); // window background
    const QImage image = Paint();
    EXPECT_EQ(QColor(image.pixel(150, 30)), Peer().palette().color(QPalette::Base));
}

} // namespace
} // namespace vantor::qt
