// The picture of the transfer-characteristic window: the peak search
// (27 000 gains), the curve (2 701 gains) and every label placed, as one
// paint builds it.
#include <benchmark/benchmark.h>

#include "session/transfer_plot.h"

namespace {

using kelvara::TextSize;
using kelvara::TextView;

// A measure of the cost of a table look-up, like a cached font metric.
TextSize Measure(TextView text) {
    return {static_cast<int>(text.size()) * 20, 35};
}

// The default design (kL 4.384, Fr 100 kHz) in a drawing area of the size the
// window has at 96 dpi.
void BM_BuildTransferPlot(benchmark::State& state) {
    for (auto _ : state) {
        kelvara::TransferPlot plot =
            kelvara::BuildTransferPlot(4.384, 0.4, 0.85, 1.1, 100, 3148, 1720, Measure);
        benchmark::DoNotOptimize(plot.curve.data());
    }
}
BENCHMARK(BM_BuildTransferPlot)->Unit(benchmark::kMillisecond);

// No calculation yet: nothing but the white area.
void BM_BuildTransferPlotEmpty(benchmark::State& state) {
    for (auto _ : state) {
        kelvara::TransferPlot plot = kelvara::BuildTransferPlot(0, 0, 0, 0, 0, 3148, 1720, Measure);
        benchmark::DoNotOptimize(&plot);
    }
}
BENCHMARK(BM_BuildTransferPlotEmpty)->Unit(benchmark::kMicrosecond);

}  // namespace
