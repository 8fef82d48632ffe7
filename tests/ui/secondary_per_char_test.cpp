// The transfer-characteristic window's painting.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

#include "ui/per_char.h"
#include "ui/secondary_test_app.h"

namespace kelvara::ui {
namespace {

using kelvara::testing::CountPixels;
using kelvara::testing::SecondaryTestApp;

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

// The default design: kLact 4.384, Qact 0.4 and its operating frequencies.
CPerChar* MakeDefault() {
    return new CPerChar(nullptr, 4.384, 0.4, 0.85, 1.1, 100);
}

TEST(TransferCharacteristicWindow, DrawingAreaIsTheClientAreaLessTheButtonStrip) {
    SecondaryTestApp();
    std::unique_ptr<CPerChar> w(MakeDefault());
    const QRect area = w->DrawingArea();
    EXPECT_EQ(area.topLeft(), QPoint(0, 0));
    EXPECT_EQ(area.width(), w->width());
    EXPECT_EQ(area.height(), w->height() - 50);
    // W × H logical units of 0.1 mm: dpi/254 pixels each.
    const double k = w->PixelsPerUnit();
    EXPECT_DOUBLE_EQ(k, std::min(w->logicalDpiX(), w->logicalDpiY()) / 254.0);
    const TransferPlot plot = w->BuildPlot();
    EXPECT_EQ(plot.window.Width(), static_cast<int>(area.width() / k));
    EXPECT_EQ(plot.window.Height(), static_cast<int>(area.height() / k));
    EXPECT_TRUE(plot.drawn);
    EXPECT_EQ(plot.ymax, 2);
}

TEST(TransferCharacteristicWindow, FontIsThirtyFiveUnitsHigh) {
    SecondaryTestApp();
    std::unique_ptr<CPerChar> w(MakeDefault());
    const QFont font = w->PictureFont();
    const double height = QFontMetricsF(font).height() / w->PixelsPerUnit();
    // Whole pixel sizes: within one pixel of 35 units.
    EXPECT_NEAR(height, 35, 1 / w->PixelsPerUnit());
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_TRUE(font.families().contains(QStringLiteral("Arial")));
}

TEST(TransferCharacteristicWindow, DefaultDesignPaintsTheBlueCurveAndRedMarks) {
    SecondaryTestApp();
    std::unique_ptr<CPerChar> w(MakeDefault());
    const QImage picture = w->RenderPicture();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), w->DrawingArea().size());
    EXPECT_GT(CountPixels(picture, kBlue), 500);  // the curve spans the width
    EXPECT_GT(CountPixels(picture, kRed), 20);    // three marks
    EXPECT_GT(CountPixels(picture, Qt::black), 1000);
}

TEST(TransferCharacteristicWindow, MarksFollowTheCalculation) {
    SecondaryTestApp();
    // Without operating frequencies only the controller mark is red.
    std::unique_ptr<CPerChar> all(MakeDefault());
    std::unique_ptr<CPerChar> none(new CPerChar(nullptr, 4.384, 0.4, 0, 0, 100));
    const int redAll = CountPixels(all->RenderPicture(), kRed);
    const int redNone = CountPixels(none->RenderPicture(), kRed);
    EXPECT_GT(redNone, 0);
    EXPECT_LT(redNone, redAll);
}

TEST(TransferCharacteristicWindow, ThinGainLinesStayApartOnScreen) {
    SecondaryTestApp();
    // A peak far above 10: the grid reaches gain 10, where thin lines every
    // 0.1 would lie about 5 pixels apart and run into a band.
    std::unique_ptr<CPerChar> w(new CPerChar(nullptr, 5, 0.03, 0.8, 1.3, 100));
    const TransferPlot plot = w->BuildPlot();
    ASSERT_EQ(plot.ymax, 10);
    std::vector<double> ys;
    for (const PlotLine& l : plot.grid) {
        if (l.y1 == l.y2 && l.width == 1) ys.push_back(l.y1 * w->PixelsPerUnit());
    }
    for (size_t i = 1; i < ys.size(); ++i) EXPECT_GE(ys[i] - ys[i - 1], 6.0) << i;
}

TEST(TransferCharacteristicWindow, NoCalculationPaintsAWhiteArea) {
    SecondaryTestApp();
    std::unique_ptr<CPerChar> w(new CPerChar(nullptr, 0, 0, 0, 0, 0));
    const QImage picture = w->RenderPicture();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(CountPixels(picture, Qt::white), picture.width() * picture.height());
}

TEST(TransferCharacteristicWindow, PaintEventCopiesThePictureIntoTheWindow) {
    SecondaryTestApp();
    std::unique_ptr<CPerChar> w(MakeDefault());
    // grab() renders the window through its paint event.
    const QImage shown = w->grab().toImage();
    const QRect area = w->DrawingArea();
    const qreal ratio = shown.devicePixelRatio();
    const QImage picture = shown.copy(QRect(area.topLeft() * ratio, area.size() * ratio));
    const QImage strip =
        shown.copy(QRect(QPoint(0, area.bottom() + 1) * ratio, QSize(area.width(), 50) * ratio));
    EXPECT_GT(CountPixels(picture, kBlue), 500);
    EXPECT_EQ(CountPixels(strip, kBlue), 0);
}

}  // namespace
}  // namespace kelvara::ui
