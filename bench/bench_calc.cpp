// Timing of the calculation's hot parts: the gain sweep, the core-loss
// estimate, one whole run of the default design, the time-domain model of its
// two corners and the core adviser.
#include <benchmark/benchmark.h>

#include "calc/calculate.h"
#include "calc/core_adviser.h"
#include "calc/core_loss.h"
#include "calc/gain.h"
#include "calc/time_domain.h"
#include "refdata/core_database.h"
#include "refdata/material.h"
#include "refdata/wire_table.h"
#include "tests/calc/calc_test_support.h"

namespace kelvara {
namespace {

// The default design's circuit with its whole turns.
void BM_SweepGain(benchmark::State& state) {
    double Q = 0.411677081712133, kL = 4.327047342264267;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Q);
        benchmark::DoNotOptimize(kL);
        GainSweep s = SweepGain(Q, kL, 1.2547, 0.9869);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_SweepGain);

// A sweep that finds nothing and so runs through all 17 001 points.
void BM_SweepGainFull(benchmark::State& state) {
    double Q = 0.1, kL = 15;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Q);
        GainSweep s = SweepGain(Q, kL, 100, 100);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_SweepGainFull);

void BM_EstimateCoreLoss(benchmark::State& state) {
    const MaterialLossData m = test::TestMaterial();
    double f = 100, B = 0.106;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f);
        benchmark::DoNotOptimize(B);
        CoreLossEstimate r = EstimateCoreLoss(f, B, m, 11.473);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_EstimateCoreLoss);

// One whole calculation of the default design, inputs taken afresh each time.
void BM_Calculate(benchmark::State& state) {
    const CoreRecord core = test::TestCore();
    const MaterialLossData m = test::TestMaterial();
    const WireTable wires = test::TestWires();
    const DesignInputs defaults;
    for (auto _ : state) {
        DesignInputs in = defaults;
        CalcReport report = RunCalculation(in, core, m, wires);
        benchmark::DoNotOptimize(report);
    }
}
BENCHMARK(BM_Calculate);

// The time-domain model of the default design: the operating frequency and
// everything at it, at both supply corners.
void BM_TimeDomainCorners(benchmark::State& state) {
    DesignInputs in;
    const CoreRecord core = test::TestCore();
    const DesignResults r =
        RunCalculation(in, core, test::TestMaterial(), test::TestWires()).results;
    const TdDesign d = TdDesignOf(r, in.vypr, core.Ae, 200, 200);
    for (auto _ : state) {
        TdCorner low = SolveTdCorner(d, r.UhbMin, r.UdcMin);
        TdCorner high = SolveTdCorner(d, r.UhbMax, r.UdcMax);
        benchmark::DoNotOptimize(low);
        benchmark::DoNotOptimize(high);
    }
}
BENCHMARK(BM_TimeDomainCorners)->Unit(benchmark::kMicrosecond);

// The core adviser over the shipped database: every core with the default
// material (argument 0) or with every material (argument 1), ranked.
void BM_RankCores(benchmark::State& state) {
    const std::filesystem::path root = std::filesystem::path(KELVARA_SOURCE_DIR) / "data";
    const CoreFiles files = ReadCoreFiles(root);
    const CoreDatabase cores(JoinCoreTexts(files.shipped, files.user));
    const WireTable wires = ReadWireTable(root / "Wire.txt").value_or(WireTable{});
    std::vector<NamedMaterial> materials;
    for (const Text& name : ListMaterials(root / "Ferrites_Materials")) {
        if (state.range(0) == 0 && name != u"N87 Epcos") continue;
        NamedMaterial m{name, {}};
        Text text;
        if (ReadMaterialFile(root / "Ferrites_Materials" / std::filesystem::path(name + u".txt"),
                             m.data, text))
            materials.push_back(std::move(m));
    }
    const DesignInputs current;
    for (auto _ : state) {
        std::vector<Candidate> c = EvaluateCandidates(current, cores, materials, wires);
        RankCandidates(c);
        benchmark::DoNotOptimize(c);
    }
    state.counters["candidates"] = static_cast<double>(cores.AllNames().size() * materials.size());
}
BENCHMARK(BM_RankCores)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelvara
