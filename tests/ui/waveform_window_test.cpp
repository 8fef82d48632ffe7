// "Осциллограммы" in the window: opened from the menu and from the check
// window, it shows both corners (a switch between them), the values under the
// cursor, saves its picture and both corners' traces.
#include "ui/waveform_window.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include "ui/check_window.h"
#include "ui_support.h"

namespace kelvara::ui {
namespace {

using testing::WindowTest;

TEST_F(WindowTest, TheWaveformWindowOpensWithBothCorners) {
    OpenWindow();
    WaveformWindow w(window.get(), window->dialog());
    w.resize(1000, 700);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_TRUE(w.corners()[0].solved);
    ASSERT_TRUE(w.corners()[1].solved);
    EXPECT_TRUE(w.lowest()->isChecked());
    const WaveformPlot low = w.view()->BuildPlot();
    ASSERT_TRUE(low.drawn);
    EXPECT_DOUBLE_EQ(low.tMax, 1000 / w.corners()[0].corner.f);
    // The switch shows the other corner.
    w.highest()->click();
    const WaveformPlot high = w.view()->BuildPlot();
    EXPECT_DOUBLE_EQ(high.tMax, 1000 / w.corners()[1].corner.f);
    EXPECT_NE(low.tMax, high.tMax);
    // The cursor reads the values of the sample under the mouse.
    const double x = (high.panels[0].left + high.panels[0].right) / 2;
    // (What the mouse's move does; offscreen windows get no hover events.)
    w.view()->MoveCursor(x);
    ASSERT_GE(w.view()->cursorSample(), 0);
    const QString text = w.view()->CursorText();
    EXPECT_TRUE(text.startsWith("t = ")) << text.toStdString();
    EXPECT_TRUE(text.contains(ToQ(
        FormatFixed(w.corners()[1].wave.iLr[static_cast<size_t>(w.view()->cursorSample())], 3))));
    // Saved: a PNG picture, an SVG one, and both corners' traces.
    QTemporaryDir dir;
    ASSERT_TRUE(w.SaveImage(dir.filePath("w.png")));
    ASSERT_TRUE(w.SaveImage(dir.filePath("w.svg")));
    ASSERT_TRUE(w.ExportCsv(dir.filePath("w.csv")));
    EXPECT_FALSE(QImage(dir.filePath("w.png")).isNull());
    QFile svg(dir.filePath("w.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().startsWith("<svg "));
    QFile csv(dir.filePath("w.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().count('\n'), 1 + 2 * kWaveformSamples);
}

TEST_F(WindowTest, TheMenuAndTheCheckWindowOpenTheWaveforms) {
    OpenWindow();
    int opened = 0;
    const auto closeNext = [&opened] {
        QTimer::singleShot(0, [&opened] {
            if (auto* w = qobject_cast<WaveformWindow*>(QApplication::activeModalWidget())) {
                ++opened;
                w->reject();
            }
        });
    };
    closeNext();
    window->menuCommand(ctl::kCmdWaveforms)->trigger();
    EXPECT_EQ(opened, 1);
    CheckWindow check(window.get(), window->dialog());
    check.show();
    closeNext();
    check.waveforms()->click();
    EXPECT_EQ(opened, 2);
}

TEST_F(WindowTest, WaveformsOfResultsOfEarlierInputsSaySo) {
    OpenWindow();
    Retype(ctl::kFr, "120");
    WaveformWindow w(window.get(), window->dialog());
    bool said = false;
    for (const WaveText& t : w.view()->BuildPlot().texts)
        said =
            said ||
            t.text == Text(u"Результаты не соответствуют исходным данным — нажмите «Рассчитать»");
    EXPECT_TRUE(said);
}

}  // namespace
}  // namespace kelvara::ui
