// Thousands of random designs, with texts and reference data that make no
// sense, run through the whole calculation: every run ends, shows no
// infinite or undefined number anywhere, and keeps the order of its window
// refresh and messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "calc/calculate.h"
#include "calc/design_check.h"
#include "calc_test_support.h"

namespace kelvara {
namespace {

using test::EventLog;
using test::U8;

bool ShowsNonFinite(TextView t) {
    std::string s = U8(t);
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s.find("inf") != std::string::npos || s.find("nan") != std::string::npos;
}

class RandomDesigns {
  public:
    explicit RandomDesigns(uint32_t seed) : rng_(seed) {}

    Text NumberText() {
        static const char16_t* const kFixed[] = {
            u"",      u"0",   u"-1",     u"1e308", u"-1e308",  u"abc", u"1e-308", u"0,5",
            u"5",     u"100", u"0.001",  u"1e6",   u"12.5",    u"  7", u"3e",     u"+2",
            u"1e999", u"-0",  u"0,0001", u"2,5e3", u"260",     u"330", u"24",     u"0.12",
            u"0.4",   u"9",   u"0.8",    u"1e-5",  u"4.9e-324"};
        if (Pick(3) == 0) {
            return kFixed[Pick(static_cast<int>(std::size(kFixed)))];
        }
        // A number spread over many decades, sometimes negative, in either decimal form.
        const double v = std::pow(10.0, Uniform(-8, 9)) * (Pick(8) == 0 ? -1 : 1);
        Text t = FormatFixed(v, Pick(7));
        if (Pick(2) == 0) std::replace(t.begin(), t.end(), u'.', u',');
        return t;
    }

    double Number() {
        static const double kFixed[] = {0,
                                        -1,
                                        1e308,
                                        1e-308,
                                        5e-324,
                                        1,
                                        149,
                                        170,
                                        77,
                                        1750,
                                        2200,
                                        std::numeric_limits<double>::infinity(),
                                        std::numeric_limits<double>::quiet_NaN()};
        if (Pick(4) == 0) return kFixed[Pick(static_cast<int>(std::size(kFixed)))];
        return std::pow(10.0, Uniform(-4, 6));
    }

    DesignInputs Inputs() {
        DesignInputs in;
        for (Text* f : {&in.zazor, &in.Fr, &in.Bm, &in.kL, &in.Q, &in.Rds, &in.Unas, &in.ko, &in.j,
                        &in.Umin, &in.Umax, &in.U2_1, &in.I2_1, &in.Ud, &in.d11, &in.d21}) {
            // Mostly sensible defaults with a few random fields, or all random.
            if (Pick(4) == 0) *f = NumberText();
        }
        if (Pick(5) == 0) {
            for (Text* f : {&in.zazor, &in.Fr, &in.Bm, &in.kL, &in.Q, &in.Rds, &in.Unas, &in.ko,
                            &in.j, &in.Umin, &in.Umax, &in.U2_1, &in.I2_1, &in.Ud})
                *f = NumberText();
        }
        // The dead time (ns) and output capacitance (pF) of the time-domain rows.
        if (Pick(3) == 0) in.tdead = NumberText();
        if (Pick(3) == 0) in.coss = NumberText();
        in.yes_al = Pick(5) - 1;
        in.rds = Pick(4) - 1;
        in.setevoe = Pick(4) - 1;
        in.vypr = Pick(5) - 1;
        in.yes_d = Pick(4) - 1;
        // The winding inputs: mostly none, sometimes litz of random strands.
        in.inter = Pick(4) - 1;
        for (Text* f : {&in.litz1d, &in.litz1n, &in.litz2d, &in.litz2n}) {
            if (Pick(3) == 0) *f = NumberText();
        }
        return in;
    }

    CoreRecord Core() {
        CoreRecord c = test::TestCore();
        if (Pick(3) == 0) {
            c.Ae = Number();
            c.An = Number();
            c.le = Number();
            c.mu = std::trunc(Number());
            c.Ve = Number();
        }
        if (Pick(4) == 0) {
            c.k1 = Number();
            c.k2 = Pick(2) == 0 ? -Uniform(0, 2) : Number();
        }
        if (Pick(3) == 0) {
            c.bw = Number();
            c.bh = Number();
            c.lw = Pick(2) == 0 ? 0 : Number();
        }
        return c;
    }

    MaterialLossData Material() {
        MaterialLossData m = test::TestMaterial();
        if (Pick(3) == 0) m.mu = Number();
        if (Pick(3) == 0) {
            m.nB = Pick(13) - 1;
            m.nF = Pick(13) - 1;
            for (int i = 0; i < 10; ++i)
                for (int j = 0; j < 10; ++j) m.lossTable[i][j] = Pick(6) == 0 ? 0 : Number();
        }
        return m;
    }

    WireTable Wires() {
        switch (Pick(5)) {
            case 0:
                return WireTable{};
            case 1:
                return test::MakeWireTable({Number()});
            case 2:
                return test::MakeWireTable({0, 0.1, 0.2});
            default:
                return test::TestWires();
        }
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    double Uniform(double a, double b) {
        return std::uniform_real_distribution<double>(a, b)(rng_);
    }

  private:
    std::mt19937 rng_;
};

TEST(CalculateRandom, NoRunHangsOrShowsNonFiniteNumbers) {
    RandomDesigns gen(20240611);
    int completed = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int n = 0; n < 3000; ++n) {
        DesignInputs in = gen.Inputs();
        const CoreRecord core = gen.Core();
        const MaterialLossData material = gen.Material();
        const WireTable wires = gen.Wires();
        DesignResults res;
        EventLog host;
        const bool ok = RunRecorded(in, res, core, material, wires, host);
        SCOPED_TRACE("design " + std::to_string(n));

        EXPECT_EQ(ok, res.calculated);
        if (ok) ++completed;
        EXPECT_LE(res.passes, 10);
        for (const Text& t : res.text) EXPECT_FALSE(ShowsNonFinite(t)) << U8(t);
        for (const FieldDef& f : kDesignFileFields) {
            if (f.kind == FieldKind::Text) {
                EXPECT_FALSE(ShowsNonFinite(in.*(f.text))) << U8(in.*(f.text));
            }
        }
        for (const std::string& e : host.events) EXPECT_EQ(e.find("nan"), std::string::npos) << e;
        // Exactly one refresh; a run that stops shows its one message right after it.
        ASSERT_EQ(std::count(host.events.begin(), host.events.end(), "R"), 1);
        if (!ok) {
            ASSERT_EQ(host.events.size(), 2u);
            EXPECT_EQ(host.events[0], "R");
            EXPECT_TRUE(std::all_of(res.text.begin(), res.text.end(),
                                    [](const Text& t) { return t.empty(); }));
        } else {
            EXPECT_TRUE(in.yes_al == 0 || in.yes_al == 1);
            EXPECT_FALSE(res.text[kRN1].empty());
            // The check of a finished run: an AC resistance is never below the
            // DC resistance, a leakage never negative; the layers of the
            // build-up lie inside the bobbin's width, one on the other.
            const DesignCheck check = CheckDesign(in, res, core, material);
            const CheckRow* copper = check.Row("copper");
            ASSERT_NE(copper, nullptr);
            for (const char* name : {"acFactor1", "acFactor2", "acFactor1Fr", "acFactor2Fr"}) {
                const double F = copper->Number(name);
                if (!std::isnan(F)) {
                    EXPECT_GE(F, 1 - 1e-12) << name;
                }
            }
            const double leakage = check.Row("leak")->Number("leakage");
            // (zero only where absurd core numbers make it underflow)
            if (!std::isnan(leakage)) {
                EXPECT_GE(leakage, 0);
            }
            const WindingBuild& w = res.winding;
            double top = 0;
            for (const WindingLayer& l : w.layers) {
                EXPECT_LE(l.width, w.bobbin.bw * (1 + 1e-12));
                EXPECT_GE(l.y, top * (1 - 1e-12));
                EXPECT_GT(l.height, 0);
                top = l.y + l.height;
            }
            EXPECT_LE(w.layers.size(), winding::kMaxLayers);
        }
    }
    // Both outcomes occur, so the random designs reach the whole calculation.
    EXPECT_GT(completed, 300);
    EXPECT_LT(completed, 2900);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(300));
}

// The design check of random finished runs, its time-domain rows included:
// every check ends, writes no infinite or undefined number into a text, and
// gives each row a status and its numbers as finite values or null.
TEST(CalculateRandom, TheDesignCheckOfRandomRunsEndsWithCleanTexts) {
    RandomDesigns gen(20250101);
    int checked = 0, solved = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int n = 0; n < 800; ++n) {
        DesignInputs in = gen.Inputs();
        const CoreRecord core = gen.Core();
        const MaterialLossData material = gen.Material();
        const WireTable wires = gen.Wires();
        const CalcReport report = RunCalculation(in, core, material, wires);
        const DesignCheck check = CheckDesign(in, report.results, core, material);
        SCOPED_TRACE("design " + std::to_string(n));
        ASSERT_EQ(check.done, report.completed);
        if (!check.done) continue;
        ++checked;
        for (const CheckRow& row : check.rows) {
            for (const Text* t : {&row.label, &row.value, &row.limit, &row.note})
                EXPECT_FALSE(ShowsNonFinite(*t)) << row.key << ": " << U8(*t);
            for (const CheckNumber& num : row.numbers)
                EXPECT_TRUE(num.isFlag || std::isfinite(num.value) || std::isnan(num.value));
        }
        const CheckRow* min = check.Row("tdmin");
        ASSERT_NE(min, nullptr);
        ASSERT_NE(check.Row("zvstd"), nullptr);
        if (std::isfinite(min->Number("fTd"))) ++solved;
    }
    // Both finished and solved runs occur.
    EXPECT_GT(checked, 100);
    EXPECT_GT(solved, 20);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(300));
}

}  // namespace
}  // namespace kelvara
