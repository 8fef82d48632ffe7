// The windings on the bobbin: Dowell's factor against its published limits,
// a build-up and a leakage inductance worked by hand, windings that do not
// fit, litz against solid wire, and the bobbin from the database or estimated.
#include "calc/winding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kelvara {
namespace {

constexpr double kPi = 3.141592653589793;

// --- Dowell's factor ----------------------------------------------------------
// Dowell, "Effects of eddy currents in transformer windings", Proc. IEE 113(8),
// 1966: for m layers Fr = Δ·[ς1 + (2/3)(m²−1)·ς2]. Its published limits:
// at small Δ the expansion Fr = 1 + (5m²−1)·Δ⁴/45; at large Δ the asymptote
// Fr = Δ·(2m²+1)/3; and at the optimum thickness Δ = (15/(5m²−1))^¼ of the
// expansion the loss is 4/3 of the DC loss (the "4/3 rule" of the optimum
// layer thickness, e.g. Snelling, Soft Ferrites, 2nd ed., 1988, sect. 11.2).

class DowellLimits : public testing::TestWithParam<int> {};

TEST_P(DowellLimits, SmallDeltaFollowsTheExpansion) {
    const double m = GetParam();
    for (double D : {0.1, 0.25, 0.3}) {
        const double expansion = 1 + (5 * m * m - 1) * (D * D * D * D) / 45;
        EXPECT_NEAR(DowellFactor(D, m), expansion, 5e-5 * expansion) << "Δ " << D;
    }
}

TEST_P(DowellLimits, LargeDeltaFollowsTheAsymptote) {
    const double m = GetParam();
    for (double D : {12.0, 30.0, 100.0}) {
        const double asymptote = D * (2 * m * m + 1) / 3;
        EXPECT_NEAR(DowellFactor(D, m), asymptote, 1e-5 * asymptote) << "Δ " << D;
    }
}

TEST_P(DowellLimits, OptimumThicknessGivesFourThirds) {
    const double m = GetParam();
    const double optimum = std::pow(15 / (5 * m * m - 1), 0.25);
    // One layer lies outside the expansion's range (Δ 1.39): 3 % there.
    EXPECT_NEAR(DowellFactor(optimum, m), 4.0 / 3.0, (m == 1 ? 0.035 : 0.01) * 4 / 3);
    // A thicker or thinner layer loses more than at the optimum once the
    // copper's own resistance is counted: Fr/Δ is smallest there.
    const double atOptimum = DowellFactor(optimum, m) / optimum;
    EXPECT_GT(DowellFactor(optimum * 1.3, m) / (optimum * 1.3), atOptimum);
    EXPECT_GT(DowellFactor(optimum / 1.3, m) / (optimum / 1.3), atOptimum);
}

// The layer form that interleaved windings use: the m layers of a winding
// whose field rises from zero average to Dowell's factor, and a layer in a
// field symmetric about zero loses least.
TEST_P(DowellLimits, LayersAverageToTheWindingFactor) {
    const int m = GetParam();
    for (double D : {0.5, 1.0, 2.0, 3.0}) {
        double sum = 0;
        for (int p = 1; p <= m; ++p) sum += DowellLayerFactor(D, p - 1, p);
        EXPECT_NEAR(sum / m, DowellFactor(D, m), 1e-12 * DowellFactor(D, m)) << "Δ " << D;
        EXPECT_LT(DowellLayerFactor(D, -0.5, 0.5), DowellLayerFactor(D, 0, 1));
        EXPECT_GE(DowellLayerFactor(D, -0.5, 0.5), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Layers, DowellLimits, testing::Range(1, 11),
                         [](const testing::TestParamInfo<int>& info) {
                             return "m" + std::to_string(info.param);
                         });

TEST(SkinDepthHot, CopperAt100Degrees) {
    // ρ = 1.724e-5·(1 + 0.00393·80) = 2.26588e-5 Ω·mm; δ = √(ρ/(π·f·μ0)):
    // at 100 kHz √(2.26588e-8 Ω·m/(π·1e5 Hz·4π·1e-7 H/m)) = 0.23958 mm.
    EXPECT_NEAR(SkinDepthHot(100), 0.23958, 1e-5);
    EXPECT_NEAR(SkinDepthHot(400), 0.23958 / 2, 1e-5);
}

// --- Round wire and litz -------------------------------------------------------
// Ferreira's skin and proximity functions: F_R → 1 and G_R → π·ξ⁴/8 at low
// frequency (the eddy loss of a wire in a uniform field), F_R → ξ/(2√2) + 1/4
// (a ring one skin depth deep) at high frequency.
TEST(RoundWire, SkinAndProximityLimits) {
    for (double xi : {0.05, 0.1, 0.2}) {
        EXPECT_NEAR(RoundSkinFactor(xi), 1, 1e-5);
        EXPECT_NEAR(RoundProximityFactor(xi), kPi * std::pow(xi, 4) / 8,
                    1e-3 * kPi * std::pow(xi, 4) / 8);
    }
    for (double xi : {20.0, 30.0, 40.0}) {
        const double ring = xi / (2 * std::sqrt(2.0)) + 0.25;
        EXPECT_NEAR(RoundSkinFactor(xi), ring, 2e-3 * ring);
    }
    EXPECT_TRUE(std::isnan(RoundSkinFactor(-1)));
    EXPECT_TRUE(std::isnan(RoundSkinFactor(1000)));
}

// A bobbin 20 × 6 mm, 26 primary turns at 100 kHz: 3 wires of 0.4 mm against
// litz of the same copper (0.05 mm strands, below the skin depth of 0.24 mm).
struct LitzCase {
    const char* name;
    double f;
};

class LitzAgainstSolid : public testing::TestWithParam<LitzCase> {};

TEST_P(LitzAgainstSolid, NearOneAndBelowTheSolidWire) {
    WireTable wires;
    wires.entries = {{0.05, 0.063, 0}, {0.1, 0.118, 0}, {0.4, 0.45, 0}};
    const Bobbin bobbin{20, 6, 0, false};
    WindingSpec solid;
    solid.primary = RoundConductor(0.4, 0.45, 3);
    solid.secondary = RoundConductor(0.4, 0.45, 3);
    solid.N1 = 26;
    solid.N2 = 26;
    WindingSpec litz = solid;
    litz.primary = LitzConductor(0.05, 192, wires);  // 192·0.05² = 3·0.4² mm²
    // The strand's insulation is that of the 0.05 mm wire: bundle 0.063·√(192/0.75).
    EXPECT_NEAR(litz.primary.outer, 0.063 * std::sqrt(192 / 0.75), 1e-12);
    const double fSolid = SineFactor(BuildWinding(bobbin, solid), 1, GetParam().f);
    const double fLitz = SineFactor(BuildWinding(bobbin, litz), 1, GetParam().f);
    EXPECT_GT(fSolid, 1.2);
    EXPECT_LT(fLitz, fSolid);
    EXPECT_GE(fLitz, 1);
    EXPECT_LT(fLitz, 1.1);
}

INSTANTIATE_TEST_SUITE_P(Frequencies, LitzAgainstSolid,
                         testing::Values(LitzCase{"At67kHz", 67}, LitzCase{"At100kHz", 100},
                                         LitzCase{"At200kHz", 200}),
                         [](const testing::TestParamInfo<LitzCase>& info) {
                             return std::string(info.param.name);
                         });

// The low-frequency limit of the litz factor is Sullivan's formula ("Optimal
// choice for number of strands in a litz-wire transformer winding", IEEE
// Trans. Power Electron. 14(2), 1999): 1 + π²·n²·N²·d⁶/(192·δ⁴·b²) for the
// external field of a winding whose field rises from zero, plus the bundle's
// own field, which is (π·n²·d²/2)·(π·ξ⁴/8)/(2π²·D²) at low frequency.
TEST(Litz, LowFrequencyLimitIsSullivans) {
    WireTable wires;
    wires.entries = {{0.1, 0.12, 0}};
    WindingSpec s;
    s.primary = LitzConductor(0.1, 20, wires);
    s.secondary = s.primary;
    s.N1 = 40;
    s.N2 = 40;
    const Bobbin bobbin{30, 10, 0, false};
    const WindingBuild b = BuildWinding(bobbin, s);
    const double f = 2;  // kHz: ξ = 0.1/(√2·1.694) = 0.042
    const double delta = SkinDepthHot(f);
    const double d = 0.1, n = 20, N = 40, D = s.primary.outer;
    const double xi = d / (std::sqrt(2.0) * delta);
    const double external =
        kPi * kPi * n * n * N * N * std::pow(d, 6) / (192 * std::pow(delta, 4) * 30 * 30);
    const double internal =
        kPi * n * n * d * d / 2 * (kPi * std::pow(xi, 4) / 8) / (2 * kPi * kPi * D * D);
    // All 40 turns in one layer (48 bundles of 0.62 mm would fit): the field
    // rises evenly from zero through it.
    ASSERT_EQ(b.layers1, 1);
    // Beside the strands' own skin effect F_R.
    EXPECT_NEAR(SineFactor(b, 1, f) - RoundSkinFactor(xi), external + internal,
                1e-3 * (external + internal));
}

// --- The build-up ---------------------------------------------------------------
// Bobbin 10 × 5 mm. Primary 20 turns of 2 wires 0.5 mm (insulated 0.55 mm):
// a turn is 1.1 mm wide, ⌊10/1.1⌋ = 9 turns a layer, so layers of 9, 9 and 2
// turns, 0.55 mm high each, 1.65 mm. Tape 0.15 mm. Secondary a centre tap of
// 2 × 3 turns of one 1.0 mm wire (1.1 mm): 9 a layer, the 6 turns in one
// layer of 1.1 mm. Height 1.65 + 0.15 + 1.1 = 2.9 mm, fill 2.9/5 = 0.58.
// The MMF in units of N1·I1 rises 0 → 9/20 → 18/20 → 1 through the primary
// and falls back to 0 through the secondary.
WindingSpec HandSpec() {
    WindingSpec s;
    s.primary = RoundConductor(0.5, 0.55, 2);
    s.secondary = RoundConductor(1.0, 1.1, 1);
    s.N1 = 20;
    s.N2 = 3;
    s.centreTap = true;
    return s;
}

TEST(BuildWinding, WorkedByHand) {
    const WindingBuild b = BuildWinding(Bobbin{10, 5, 0, false}, HandSpec());
    ASSERT_TRUE(b.built);
    ASSERT_TRUE(b.fits);
    EXPECT_EQ(b.turnsPerLayer1, 9);
    EXPECT_EQ(b.turnsPerLayer2, 9);
    EXPECT_EQ(b.layers1, 3);
    EXPECT_EQ(b.layers2, 1);
    EXPECT_NEAR(b.height, 2.9, 1e-12);
    EXPECT_NEAR(b.heightFill, 0.58, 1e-12);
    struct Want {
        int winding;
        double y, width, height, turns, mmfIn, mmfOut;
    };
    const Want want[] = {{1, 0, 9.9, 0.55, 9, 0, 0.45},
                         {1, 0.55, 9.9, 0.55, 9, 0.45, 0.9},
                         {1, 1.1, 2.2, 0.55, 2, 0.9, 1.0},
                         {2, 1.8, 6.6, 1.1, 6, 1.0, 0}};
    ASSERT_EQ(b.layers.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const WindingLayer& l = b.layers[i];
        EXPECT_EQ(l.winding, want[i].winding);
        EXPECT_EQ(l.x, 0);
        EXPECT_NEAR(l.y, want[i].y, 1e-12);
        EXPECT_NEAR(l.width, want[i].width, 1e-12);
        EXPECT_NEAR(l.height, want[i].height, 1e-12);
        EXPECT_EQ(l.turns, want[i].turns);
        EXPECT_NEAR(l.mmfIn, want[i].mmfIn, 1e-12);
        EXPECT_NEAR(l.mmfOut, want[i].mmfOut, 1e-12);
    }
}

// Interleaved: primary halves of 10 turns (9 + 1 each) around the secondary;
// the MMF rises to 0.5, falls through the secondary to −0.5 and back to 0.
TEST(BuildWinding, InterleavedSplitsThePrimary) {
    WindingSpec s = HandSpec();
    s.interleaved = true;
    const WindingBuild b = BuildWinding(Bobbin{10, 5, 0, false}, s);
    ASSERT_EQ(b.layers.size(), 5u);
    EXPECT_EQ(b.layers1, 4);
    EXPECT_EQ(b.layers[1].turns, 1);
    EXPECT_NEAR(b.layers[1].mmfOut, 0.5, 1e-12);
    EXPECT_EQ(b.layers[2].winding, 2);
    EXPECT_NEAR(b.layers[2].mmfOut, -0.5, 1e-12);
    EXPECT_NEAR(b.layers[4].mmfOut, 0, 1e-12);
    // 4 primary layers, 1 secondary, two tapes: 2.2 + 1.1 + 0.3.
    EXPECT_NEAR(b.height, 3.6, 1e-12);
}

// The leakage of the hand build-up, MLT 50 mm: Σ over the layers of
// height·(a² + ab + b²)/3 and over the tape of 0.15·F²:
//   0.55·(0 + 0 + 0.2025)/3          = 0.037125
//   0.55·(0.2025 + 0.405 + 0.81)/3   = 0.259875
//   0.55·(0.81 + 0.9 + 1)/3          = 0.4968333…
//   tape 0.15·1                      = 0.15
//   1.1·(1 + 0 + 0)/3                = 0.3666666…
//   Σ = 1.3105; L = μ0·N1²·MLT/bw·Σ = 1.2566371 nH/mm·400·50/10·1.3105
//     = 3293.65 nH = 3.29365 µH.
TEST(Leakage, WorkedByHand) {
    const WindingBuild b = BuildWinding(Bobbin{10, 5, 0, false}, HandSpec());
    EXPECT_NEAR(LeakageInductance(b, 50), 3.29365, 1e-5);
    // Interleaving cuts it by about four.
    WindingSpec s = HandSpec();
    s.interleaved = true;
    const double interleaved = LeakageInductance(BuildWinding(Bobbin{10, 5, 0, false}, s), 50);
    EXPECT_LT(interleaved, 3.29365 / 2.5);
    EXPECT_TRUE(std::isnan(LeakageInductance(b, 0)));
}

// Windings that do not fit: a turn wider than the bobbin, or a build-up
// higher than it.
struct MisfitCase {
    const char* name;
    Bobbin bobbin;
    bool fits;
    double heightFill;  // NaN when a turn does not fit across
};

class Misfit : public testing::TestWithParam<MisfitCase> {};

TEST_P(Misfit, IsSaid) {
    const MisfitCase& c = GetParam();
    const WindingBuild b = BuildWinding(c.bobbin, HandSpec());
    EXPECT_TRUE(b.built);
    EXPECT_EQ(b.fits, c.fits);
    if (std::isnan(c.heightFill)) {
        EXPECT_TRUE(std::isnan(b.heightFill));
        EXPECT_TRUE(std::isnan(SineFactor(b, 1, 100)));
        EXPECT_TRUE(std::isnan(LeakageInductance(b, 50)));
    } else {
        EXPECT_NEAR(b.heightFill, c.heightFill, 1e-12);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bobbins, Misfit,
    testing::Values(
        // 2 wires of 0.55 mm side by side need 1.1 mm.
        MisfitCase{"TurnWiderThanTheBobbin", {1.05, 30, 0, false}, false, std::nan("")},
        // 2.9 mm of windings on 2.5 mm.
        MisfitCase{"TooHigh", {10, 2.5, 0, false}, true, 1.16},
        // A wider bobbin: 18 turns a layer, 2 primary layers: 1.1 + 0.15 + 1.1 = 2.35 mm.
        MisfitCase{"Fits", {20, 2.5, 0, false}, true, 0.94}),
    [](const testing::TestParamInfo<MisfitCase>& info) { return std::string(info.param.name); });

TEST(BuildWinding, NothingWithoutWireOrTurns) {
    WindingSpec s = HandSpec();
    s.primary.d = std::nan("");
    EXPECT_FALSE(BuildWinding(Bobbin{10, 5, 0, false}, s).built);
    s = HandSpec();
    s.N2 = 0;
    EXPECT_FALSE(BuildWinding(Bobbin{10, 5, 0, false}, s).built);
    EXPECT_FALSE(BuildWinding(Bobbin{0, 5, 0, false}, HandSpec()).built);
}

// The half-wave current of a one-polarity centre tap: at low frequency every
// harmonic's factor is 1; at 100 kHz its even harmonics, whose field does not
// build up, keep it below the factor of a sine current in the same winding.
TEST(HalfWave, BetweenOneAndTheSineFactor) {
    const WindingBuild b = BuildWinding(Bobbin{10, 5, 0, false}, HandSpec());
    EXPECT_NEAR(HalfWaveFactor(b, 0.01), 1, 1e-6);
    const double half = HalfWaveFactor(b, 100);
    EXPECT_GT(half, 1);
    EXPECT_LT(half, SineFactor(b, 2, 100));
}

// --- The bobbin ---------------------------------------------------------------
struct BobbinCase {
    const char* name;
    double bw, bh, lw;  // the database's keys
    Bobbin want;
};

class BobbinOfCore : public testing::TestWithParam<BobbinCase> {};

TEST_P(BobbinOfCore, GivenOrEstimated) {
    CoreRecord core;
    core.An = 169;
    core.bw = GetParam().bw;
    core.bh = GetParam().bh;
    core.lw = GetParam().lw;
    const Bobbin b = BobbinOf(core);
    EXPECT_NEAR(b.bw, GetParam().want.bw, 1e-6);
    EXPECT_NEAR(b.bh, GetParam().want.bh, 1e-6);
    EXPECT_EQ(b.lw, GetParam().want.lw);
    EXPECT_EQ(b.estimated, GetParam().want.estimated);
}

// An 169 mm²: w = √(169/3) = 7.50555 mm; estimate 0.9·3w = 20.26499 mm wide,
// 0.75·w = 5.62917 mm high.
INSTANTIATE_TEST_SUITE_P(
    Keys, BobbinOfCore,
    testing::Values(BobbinCase{"Given", 27.3, 7.4, 0, {27.3, 7.4, 0, false}},
                    BobbinCase{"GivenWithTurnLength", 20.9, 5.8, 60.6, {20.9, 5.8, 60.6, false}},
                    BobbinCase{"Absent", 0, 0, 0, {20.264994, 5.629165, 0, true}},
                    BobbinCase{"OnlyWidth", 27.3, 0, 0, {20.264994, 5.629165, 0, true}},
                    BobbinCase{"TurnLengthAlone", 0, 0, 70, {20.264994, 5.629165, 70, true}}),
    [](const testing::TestParamInfo<BobbinCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kelvara
