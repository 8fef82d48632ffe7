// The time-domain model: its periodic solutions obey the circuit's equations
// between the events (checked by finite differences on the sampled period,
// not by the model's closed forms), join up over the half period, put each
// kind of event where the waveform says it is, give unity gain at the
// resonant frequency, and feed the three rows of the design check.
#include "calc/time_domain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "calc/calculate.h"
#include "calc/design_check.h"
#include "calc_test_support.h"

namespace kelvara {
namespace {

using Overrides = std::vector<std::pair<std::string, std::string>>;

struct DesignRun {
    DesignInputs in;
    DesignResults r;
    TdDesign d;
};

DesignRun RunOf(const Overrides& overrides) {
    DesignRun run;
    for (const auto& [key, value] : overrides) {
        const FieldDef* f = FindField(FromUtf8(key));
        if (f->kind == FieldKind::Text) {
            run.in.*(f->text) = FromUtf8(value);
        } else {
            run.in.*(f->number) = std::stoi(value);
        }
    }
    const CoreRecord core = test::TestCore();
    run.r = RunCalculation(run.in, core, test::TestMaterial(), test::TestWires()).results;
    run.d = TdDesignOf(run.r, run.in.vypr, core.Ae, ParseDecimal(run.in.tdead),
                       ParseDecimal(run.in.coss));
    return run;
}

bool Has(const TdWaveform& w, TdEventKind kind) {
    return std::any_of(w.events.begin(), w.events.end(),
                       [kind](const TdEvent& e) { return e.kind == kind; });
}

// --- The sampled period against the circuit's equations ----------------------

struct WaveCase {
    const char* name;
    Overrides overrides;
    bool highest;
};

class SteadyState : public testing::TestWithParam<WaveCase> {};

TEST_P(SteadyState, ObeysTheCircuitAndJoinsUpOverTheHalfPeriod) {
    const WaveCase& c = GetParam();
    const DesignRun run = RunOf(c.overrides);
    const double Uhb = c.highest ? run.r.UhbMax : run.r.UhbMin;
    const double Udc = c.highest ? run.r.UdcMax : run.r.UdcMin;
    const TdCorner k = SolveTdCorner(run.d, Uhb, Udc);
    ASSERT_TRUE(k.found);
    EXPECT_NEAR(k.period.iOut / run.d.I2, 1, 1e-6);
    const TdCircuit circuit = TdCornerCircuit(run.d, Uhb, Udc);
    constexpr int M = 20000;
    const TdWaveform w = SampleTdWaveform(circuit, k.period, M);
    ASSERT_EQ(w.t.size(), static_cast<size_t>(M));
    const double dt = w.t[1] - w.t[0];
    const double Lr = run.d.Lr;         // µH
    const double Lm = run.d.Lm;         // µH
    const double Cr = run.d.Cr * 1e-3;  // µF
    const double n = run.d.N1 / run.d.N2;
    const double V = n * run.d.U2d;
    const double iScale = k.i1Peak;
    // Samples two steps away from every event, where the state is smooth.
    const auto smooth = [&](int j) {
        for (const TdEvent& e : w.events)
            if (std::abs(e.t - w.t[j]) < 2.5 * dt) return false;
        return j > 0 && j + 1 < M;
    };
    int checked = 0;
    for (int j = 1; j + 1 < M; ++j) {
        if (!smooth(j)) continue;
        const double dI = (w.iLr[j + 1] - w.iLr[j - 1]) / (2 * dt);
        const double dIm = (w.iLm[j + 1] - w.iLm[j - 1]) / (2 * dt);
        const double dVc = (w.vCr[j + 1] - w.vCr[j - 1]) / (2 * dt);
        // The primary voltage from the magnetising current's slope.
        const double vp = Lm * dIm;
        const double vab = w.vMid[j] - Uhb;
        SCOPED_TRACE("t = " + std::to_string(w.t[j]) + " µs");
        ASSERT_NEAR(dVc, w.iLr[j] / Cr, 1e-3 * iScale / Cr);
        ASSERT_NEAR(Lr * dI, vab - w.vCr[j] - vp, 2e-3 * V);
        ASSERT_GE(w.iSec[j], -1e-9);
        if (w.iSec[j] > 1e-3 * run.d.I2) {
            // The rectifier conducts: the magnetising voltage is clamped at ±n·U2d.
            ASSERT_NEAR(std::abs(vp), V, 2e-3 * V);
            ASSERT_EQ(vp > 0, w.iLr[j] > w.iLm[j]);
        } else {
            ASSERT_LE(std::abs(vp), V * (1 + 2e-3));
        }
        ++checked;
    }
    EXPECT_GT(checked, M / 2);
    // The second half is the first negated: the state at T/2 (first sample of
    // the second half) joins the end of the first half within a step.
    const int h = M / 2;
    EXPECT_NEAR(w.iLr[h], w.iLr[h - 1], 2 * dt * iScale * 2 * 3.15 * k.f * 1e-3 + 1e-9);
    EXPECT_NEAR(w.vCr[h], w.vCr[h - 1], 2 * dt * iScale / Cr);
    EXPECT_NEAR(w.iLm[h], w.iLm[h - 1], 2 * dt * (V / Lm + iScale));
    EXPECT_NEAR(w.iLr[0], -w.iLr[h], 1e-12 + 1e-9 * iScale);
    // Mean rectified current of the samples equals the load current.
    double sum = 0;
    for (double v : w.iSec) sum += v;
    EXPECT_NEAR(sum / M, run.d.I2, 2e-3 * run.d.I2);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, SteadyState,
    testing::Values(WaveCase{"DefaultLowest", {}, false}, WaveCase{"DefaultHighest", {}, true},
                    WaveCase{"BridgeLowest", {{"vypr", "2"}}, false},
                    WaveCase{"LongDeadTime", {{"tdead", "1000"}, {"coss", "2000"}}, true},
                    WaveCase{"IdealSwitches", {{"tdead", "0"}, {"coss", "0"}}, false},
                    WaveCase{"HeavyLoad", {{"I2_1", "20"}}, false},
                    WaveCase{"Supply250To400", {{"Umin", "250"}, {"Umax", "400"}}, false}),
    [](const testing::TestParamInfo<WaveCase>& i) { return std::string(i.param.name); });

// --- One test per kind of event ---------------------------------------------

// The sample nearest to t.
int At(const TdWaveform& w, double t) {
    const auto it = std::lower_bound(w.t.begin(), w.t.end(), t);
    return static_cast<int>(std::min<ptrdiff_t>(it - w.t.begin(), w.t.size() - 1));
}

struct EventFixture {
    DesignRun run;
    TdCircuit c;
    TdCorner k;
    TdWaveform w;
    double Uhb = 0;
};

EventFixture Events(const Overrides& o, bool highest, int M = 40000) {
    EventFixture f;
    f.run = RunOf(o);
    f.Uhb = highest ? f.run.r.UhbMax : f.run.r.UhbMin;
    const double Udc = highest ? f.run.r.UdcMax : f.run.r.UdcMin;
    f.c = TdCornerCircuit(f.run.d, f.Uhb, Udc);
    f.k = SolveTdCorner(f.run.d, f.Uhb, Udc);
    f.w = SampleTdWaveform(f.c, f.k.period, M);
    return f;
}

TEST(TdEvents, RectifierTurnsOffWhereTheSecondaryCurrentReachesZero) {
    // Below resonance the secondary current ends before the half period does.
    const EventFixture f = Events({}, false);
    ASSERT_TRUE(Has(f.w, TdEventKind::RectifierOff));
    const double dt = f.w.t[1];
    for (const TdEvent& e : f.w.events) {
        if (e.kind != TdEventKind::RectifierOff) continue;
        const int j = At(f.w, e.t);
        // Just before: still conducting and falling; after: at rest, iLr = iLm.
        EXPECT_GT(f.w.iSec[j - 3], f.w.iSec[j - 2]);
        EXPECT_LT(f.w.iSec[j - 2], 1e-2 * f.run.d.I2);
        EXPECT_NEAR(f.w.iSec[j + 2], 0, 1e-9);
        EXPECT_NEAR(f.w.iLr[j + 2], f.w.iLm[j + 2], 1e-9);
        (void)dt;
    }
    EXPECT_FALSE(f.k.continuous);
}

TEST(TdEvents, RectifierTurnsOnWhereTheClampIsReached) {
    const EventFixture f = Events({}, false);
    ASSERT_TRUE(Has(f.w, TdEventKind::RectifierOn));
    const double V = f.c.n * f.c.U2d;
    for (const TdEvent& e : f.w.events) {
        if (e.kind != TdEventKind::RectifierOn) continue;
        const int j = At(f.w, e.t);
        // At rest before (iLr = iLm), conducting after, the clamp reached.
        EXPECT_NEAR(f.w.iSec[j - 2], 0, 1e-9);
        EXPECT_GT(f.w.iSec[j + 3], 0);
        const double vp = f.c.Lm * (f.w.iLm[j + 3] - f.w.iLm[j + 2]) / (f.w.t[1]);
        EXPECT_NEAR(std::abs(vp), V, 1e-6 * V);
    }
}

TEST(TdEvents, SwingReachesTheRailWithTheChargeOfTheCapacitances) {
    const EventFixture f = Events({{"tdead", "400"}, {"coss", "1000"}}, false);
    ASSERT_TRUE(f.k.swingComplete);
    double start = -1, end = -1;
    for (const TdEvent& e : f.w.events) {
        if (e.t > f.w.t.back() / 2) break;
        if (e.kind == TdEventKind::SwingStart) start = e.t;
        if (e.kind == TdEventKind::SwingEnd) end = e.t;
    }
    ASSERT_GE(start, 0);
    ASSERT_GT(end, start);
    EXPECT_LT(end, f.run.d.td * 1e-3);
    // The midpoint rose from 0 to 2·Uhb; the primary current took out the
    // charge 2·Coss·Udc (trapezoids over the samples).
    const int a = At(f.w, start), b = At(f.w, end);
    EXPECT_NEAR(f.w.vMid[a], 0, 0.02 * f.Uhb);
    EXPECT_NEAR(f.w.vMid[b + 1], 2 * f.Uhb, 1e-9 * f.Uhb);
    EXPECT_LT(f.w.vMid[b - 2], 2 * f.Uhb);
    double q = 0;
    for (int j = a; j < b; ++j)
        q += 0.5 * (f.w.iLr[j] + f.w.iLr[j + 1]) * (f.w.t[j + 1] - f.w.t[j]);
    const double need = 2 * f.run.d.Coss * 1e-6 * f.c.Uswing;  // µC
    EXPECT_NEAR(-q, need, 0.02 * need);
}

TEST(TdEvents, SwingThatDoesNotCompleteEndsInAHardTurnOn) {
    // 20 ns for 2·1 nF: the swing stops part way and the switch closes on it.
    const EventFixture f = Events({{"tdead", "20"}, {"coss", "1000"}}, false);
    ASSERT_TRUE(f.k.found);
    EXPECT_FALSE(f.k.swingComplete);
    EXPECT_LT(f.k.margin, 0);
    double on = -1;
    for (const TdEvent& e : f.w.events) {
        if (e.kind == TdEventKind::SwingEnd && e.t < f.run.d.td * 1e-3) ADD_FAILURE() << e.t;
        if (e.kind == TdEventKind::HighSwitchOn && on < 0) on = e.t;
    }
    ASSERT_NEAR(on, f.run.d.td * 1e-3, 1e-12);
    // Just before the switch closes the midpoint is well short of the rail.
    EXPECT_LT(f.w.vMid[At(f.w, on) - 1], 0.5 * 2 * f.Uhb);
}

// --- Unity gain at resonance ------------------------------------------------

TEST(TdResonance, AtFrTheOutputIsTheFirstHarmonicPrediction) {
    // At f = Fr the series circuit's half sine fills the half period: the gain
    // is 1 for any load, n·(Uo + drop) = Uhb.
    struct Load {
        double Uout, I2;
    };
    for (const Load& l : {Load{24, 9}, Load{24, 2}, Load{48, 20}, Load{12, 0.5}}) {
        TdDesign d;
        d.Fr = 100;
        d.Lr = 61.83;
        // Cr in nF from f in MHz and Lr in µH: 1000/((2π·f)²·Lr).
        d.Cr = 1e3 / (4 * 3.141592653589793 * 3.141592653589793 * 0.01 * d.Lr);
        d.Lm = 5 * d.Lr;
        d.N1 = 26;
        d.N2 = 4;
        d.Uout = l.Uout;
        d.U2d = l.Uout + 0.8;
        d.I2 = l.I2;
        d.td = 0;
        d.Coss = 0;
        const double n = d.N1 / d.N2;
        const double Uhb = 130;
        const double u = TdOutputVoltage(d, Uhb, 2 * Uhb, d.Fr);
        SCOPED_TRACE(l.I2);
        EXPECT_NEAR((u + 0.8) * n / Uhb, 1, 0.01);
    }
}

// --- The three rows of the check ---------------------------------------------

struct RowCase {
    const char* name;
    Overrides overrides;
    CheckStatus tdmin, tdmax, zvstd;
    const char* note;  // a part of the zvstd note, or nullptr
};

class TdRows : public testing::TestWithParam<RowCase> {};

TEST_P(TdRows, HaveTheirStatusesAndNumbers) {
    const RowCase& c = GetParam();
    DesignInputs in;
    for (const auto& [key, value] : c.overrides) {
        const FieldDef* f = FindField(FromUtf8(key));
        if (f->kind == FieldKind::Text) {
            in.*(f->text) = FromUtf8(value);
        } else {
            in.*(f->number) = std::stoi(value);
        }
    }
    const DesignInputs before = in;
    const CoreRecord core = test::TestCore();
    MaterialLossData m = test::TestMaterial();
    m.Bmax = 390;
    const CalcReport report = RunCalculation(in, core, m, test::TestWires());
    const DesignInputs afterRun = in;
    const DesignCheck check = CheckDesign(in, report.results, core, m);
    ASSERT_TRUE(check.done);
    EXPECT_EQ(in.tdead, afterRun.tdead);
    EXPECT_EQ(in.coss, before.coss);
    const CheckRow* min = check.Row("tdmin");
    const CheckRow* max = check.Row("tdmax");
    const CheckRow* zvs = check.Row("zvstd");
    ASSERT_TRUE(min && max && zvs);
    EXPECT_EQ(check.rows.back().key, "zvstd");
    EXPECT_EQ(StatusKey(min->status), StatusKey(c.tdmin));
    EXPECT_EQ(StatusKey(max->status), StatusKey(c.tdmax));
    EXPECT_EQ(StatusKey(zvs->status), StatusKey(c.zvstd));
    for (const CheckRow* row : {min, max, zvs}) {
        EXPECT_FALSE(row->label.empty());
        EXPECT_FALSE(row->value.empty());
        EXPECT_FALSE(row->note.empty());
        for (const Text* t : {&row->label, &row->value, &row->limit, &row->note}) {
            EXPECT_EQ(t->find(u"inf"), Text::npos);
            EXPECT_EQ(t->find(u"nan"), Text::npos);
        }
    }
    const std::vector<std::string_view> tdKeys = {"fTd",       "uhb",    "fFha",
                                                  "deviation", "uAtFha", "mode"};
    for (size_t i = 0; i < tdKeys.size(); ++i) {
        EXPECT_EQ(min->numbers[i].name, tdKeys[i]);
        EXPECT_EQ(max->numbers[i].name, tdKeys[i]);
    }
    const std::vector<std::string_view> zvsKeys = {"td",      "coss",      "iOffMin",
                                                   "iOffMax", "marginMin", "marginMax"};
    for (size_t i = 0; i < zvsKeys.size(); ++i) EXPECT_EQ(zvs->numbers[i].name, zvsKeys[i]);
    // A found operating point: the deviation is fFha/fTd − 1, the mode ±1 or ±2.
    for (const CheckRow* row : {min, max}) {
        const double fTd = row->Number("fTd"), fFha = row->Number("fFha");
        if (std::isfinite(fTd) && std::isfinite(fFha)) {
            EXPECT_NEAR(row->Number("deviation"), fFha / fTd - 1, 1e-12);
            EXPECT_TRUE(std::abs(row->Number("mode")) == 1 || std::abs(row->Number("mode")) == 2);
        }
        if (row->status == CheckStatus::Unknown) {
            EXPECT_TRUE(std::isnan(fTd));
        }
    }
    if (c.note) {
        EXPECT_NE(ToUtf8(zvs->note).find(c.note), std::string::npos) << ToUtf8(zvs->note);
    }
}

constexpr CheckStatus kOk = CheckStatus::Ok, kWarn = CheckStatus::Warning,
                      kErr = CheckStatus::Error, kUnk = CheckStatus::Unknown;

INSTANTIATE_TEST_SUITE_P(
    Check, TdRows,
    testing::Values(
        // FHA puts fmin 9 % low: a warning; fmax agrees within 1 %.
        RowCase{"Default", {}, kWarn, kOk, kOk, nullptr},
        // Gain short at the lowest supply: no frequency delivers the output.
        RowCase{"NoOutputAtLowSupply", {{"Umin", "120"}}, kErr, kOk, kUnk, nullptr},
        // A dead time far too short for the swing.
        RowCase{"HardSwitching", {{"tdead", "20"}, {"coss", "1000"}}, kWarn, kOk, kErr, "жестко"},
        // A margin under 20 % at the highest supply (+11 %).
        RowCase{"SmallMargin", {{"coss", "430"}}, kWarn, kOk, kWarn, "запас"},
        // Ideal switches.
        RowCase{"IdealSwitches", {{"tdead", "0"}, {"coss", "0"}}, kWarn, kOk, kOk, "идеальные"},
        // Inputs the model cannot use: all three rows unknown, saying which.
        RowCase{"NegativeDeadTime", {{"tdead", "-1"}}, kUnk, kUnk, kUnk, "Мертвое время"},
        RowCase{"InfiniteDeadTime", {{"tdead", "1e999"}}, kUnk, kUnk, kUnk, "Мертвое время"},
        RowCase{"DeadTimeOfAQuarterPeriod", {{"tdead", "2500"}}, kUnk, kUnk, kUnk, "Мертвое время"},
        RowCase{"NegativeCoss", {{"coss", "-5"}}, kUnk, kUnk, kUnk, "Coss"},
        RowCase{"CossAboveOneMicrofarad", {{"coss", "1000001"}}, kUnk, kUnk, kUnk, "Coss"},
        // The same inputs with commas, read as the other fields are.
        RowCase{"Commas", {{"tdead", "200,0"}, {"coss", "200,0"}}, kWarn, kOk, kOk, nullptr}),
    [](const testing::TestParamInfo<RowCase>& i) { return std::string(i.param.name); });

TEST(TdRows, TheDeadTimeLimitIsAQuarterOfTheResonantPeriod) {
    EXPECT_DOUBLE_EQ(check::MaxDeadTime(100), 2500);
    EXPECT_DOUBLE_EQ(check::MaxDeadTime(250), 1000);
}

TEST(TdModel, NumbersItCannotUseAreNotSolved) {
    TdCircuit good;
    good.Lr = 61.8;
    good.Cr = 41;
    good.Lm = 268;
    good.n = 6.5;
    good.U2d = 24.8;
    good.Uhb = 128.5;
    good.Uswing = 260;
    good.td = 200;
    good.Coss = 200;
    ASSERT_TRUE(SolveTdPeriod(good, 80).solved);
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double TdCircuit::*field :
         {&TdCircuit::Lr, &TdCircuit::Cr, &TdCircuit::Lm, &TdCircuit::n, &TdCircuit::U2d,
          &TdCircuit::Uhb, &TdCircuit::Uswing, &TdCircuit::td, &TdCircuit::Coss}) {
        for (double bad : {-1.0, inf, nan, 1e300}) {
            TdCircuit c = good;
            c.*field = bad;
            EXPECT_FALSE(SolveTdPeriod(c, 80).solved);
        }
    }
    for (double f : {0.0, -80.0, inf, nan, 1e-300}) EXPECT_FALSE(SolveTdPeriod(good, f).solved);
    TdDesign d = TdDesignOf(DesignResults{}, 0, 0, 200, 200);
    EXPECT_FALSE(SolveTdCorner(d, 100, 200).solved);
    EXPECT_TRUE(std::isnan(TdOutputVoltage(d, 100, 200, 80)));
    EXPECT_TRUE(SampleTdWaveform(good, TdPeriod{}, 100).t.empty());
}

}  // namespace
}  // namespace kelvara
