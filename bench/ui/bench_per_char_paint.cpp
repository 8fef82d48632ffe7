// One paint of the transfer characteristic (the peak search, the curve and the
// drawing) into an off-screen image.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <memory>

#include "ui/per_char.h"

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "bench_per_char_paint";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

void BM_PaintTransferCharacteristic(benchmark::State& state) {
    App();
    // The default design's last calculation.
    kelvara::ui::CPerChar window(nullptr, 4.384406, 0.411677, 0.6721, 1.0325, 100);
    for (auto _ : state) {
        QImage picture = window.RenderPicture();
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_PaintTransferCharacteristic)->Unit(benchmark::kMillisecond);

}  // namespace
