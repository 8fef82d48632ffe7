// The time-domain model against ngspice: for designs across the range, each
// supply corner is simulated at the model's operating frequency from the
// model's steady state, and the simulated mean output current, primary RMS
// current, turn-off current and soft-switching verdict are held against the
// model's. Skipped when ngspice is not installed.
//
// The netlist is the exported one with the resistor load: the output
// capacitor is five times the default (about 0.2 % ripple, which the model,
// holding the output constant, does not have), 70 periods with at most 1000
// time steps each, ngspice's reltol 1e-4 and trtol 1; the averages are taken
// over the last 20 periods. The model's circuit here swings the midpoint through vbus, as
// the netlist does.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "calc/calculate.h"
#include "calc/spice_netlist.h"
#include "calc/time_domain.h"
#include "calc_test_support.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace kelvara {
namespace {

// Tolerances of the comparison (relative to the model's values).
constexpr double kMeanCurrentTolerance = 0.01;
constexpr double kRmsTolerance = 0.02;
constexpr double kTurnOffTolerance = 0.03;
// The swing counts as complete in the simulation when the midpoint is within
// this share of vbus of the rail just before the switch turns on.
constexpr double kRailShare = 0.005;
constexpr int kPeriods = 70;
constexpr int kMeasured = 20;
constexpr int kStepsPerPeriod = 1000;
constexpr double kRipple = 0.002;

std::filesystem::path FindNgspice() {
    const char* path = std::getenv("PATH");
    if (!path) return {};
    std::stringstream dirs(path);
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        if (dir.empty()) continue;
        const std::filesystem::path p = std::filesystem::path(dir) / "ngspice";
        std::error_code ec;
        if (std::filesystem::is_regular_file(p, ec)) return p;
    }
    return {};
}

// The .meas results of ngspice's output: "name = value ..." lines.
std::map<std::string, double> Measures(const std::string& out) {
    std::map<std::string, double> m;
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string name, eq, value;
        if (!(words >> name >> eq >> value) || eq != "=") continue;
        char* end = nullptr;
        const double v = std::strtod(value.c_str(), &end);
        if (end != value.c_str() && std::isfinite(v)) m[name] = v;
    }
    return m;
}

struct SpiceCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> overrides;
};

std::string CaseName(const ::testing::TestParamInfo<SpiceCase>& info) {
    return info.param.name;
}

class AgainstNgspice : public ::testing::TestWithParam<SpiceCase> {};

TEST_P(AgainstNgspice, BothCornersAgreeWithTheModel) {
    const std::filesystem::path ngspice = FindNgspice();
    if (ngspice.empty()) GTEST_SKIP() << "ngspice not found on PATH: the comparison is skipped";

    DesignInputs in;
    for (const auto& [key, value] : GetParam().overrides) {
        const FieldDef* f = FindField(FromUtf8(key));
        ASSERT_NE(f, nullptr) << key;
        if (f->kind == FieldKind::Text) {
            in.*(f->text) = FromUtf8(value);
        } else {
            in.*(f->number) = std::stoi(value);
        }
    }
    const CoreRecord core = test::TestCore();
    const CalcReport report = RunCalculation(in, core, test::TestMaterial(), test::TestWires());
    ASSERT_TRUE(report.completed);
    const DesignResults& r = report.results;
    const TdDesign d =
        TdDesignOf(r, in.vypr, core.Ae, ParseDecimal(in.tdead), ParseDecimal(in.coss));
    testing::TempDir dir;
    for (const bool highest : {false, true}) {
        SCOPED_TRACE(highest ? "highest supply" : "lowest supply");
        const double Uhb = highest ? r.UhbMax : r.UhbMin;
        const double Udc = highest ? r.UdcMax : r.UdcMin;
        // The model of the netlist's circuit: the swing runs through vbus = 2·Uhb.
        const TdCorner k = SolveTdCorner(d, Uhb, 2 * Uhb);
        ASSERT_TRUE(k.found);
        SpiceOptions o;
        o.highestSupply = highest;
        o.f = k.f;
        o.cout = 0.1 * d.I2 * (1e-3 / k.f) / (kRipple * d.Uout) * 1e6;
        o.periods = kPeriods;
        o.measuredPeriods = kMeasured;
        o.stepsPerPeriod = kStepsPerPeriod;
        const std::string netlist = SpiceNetlist(d, Uhb, Udc, o);
        ASSERT_FALSE(netlist.empty());
        const std::filesystem::path file = dir / (highest ? "high.cir" : "low.cir");
        std::ofstream(file, std::ios::binary) << netlist;
        const testing::ProgramRun run =
            testing::RunProgram(ngspice, {"-b", file.string()}, dir.path());
        ASSERT_EQ(run.status, 0) << run.out << run.err;
        const std::map<std::string, double> m = Measures(run.out);
        for (const char* name :
             {"iout_avg", "i1_rms", "i_off", "i_off_low", "v_mid_on", "v_mid_on_low"})
            ASSERT_EQ(m.count(name), 1u) << name << "\n" << run.out << run.err;

        const double iOut = m.at("iout_avg");
        const double i1 = m.at("i1_rms");
        // Both switches' turn-off currents: a slow ringing of the tank that the
        // simulation's small departures from the model's circuit excite (in
        // the rest of a discontinuous current it is hardly damped) moves them
        // in opposite directions.
        const double iOff = (m.at("i_off") - m.at("i_off_low")) / 2;
        const bool complete = m.at("v_mid_on") >= 2 * Uhb * (1 - kRailShare) &&
                              m.at("v_mid_on_low") <= 2 * Uhb * kRailShare;
        std::printf(
            "[ ngspice  ] %s %s: f %.3f kHz; mean current %.4f / %.4f A (%+.2f %%), "
            "primary RMS %.4f / %.4f A (%+.2f %%), turn-off %.4f / %.4f A (%+.2f %%), "
            "swing %s / %s (margin %.2f)\n",
            GetParam().name, highest ? "Umax" : "Umin", k.f, iOut, d.I2, 100 * (iOut / d.I2 - 1),
            i1, k.i1Rms, 100 * (i1 / k.i1Rms - 1), iOff, k.iOff, 100 * (iOff / k.iOff - 1),
            complete ? "complete" : "incomplete", k.swingComplete ? "complete" : "incomplete",
            k.margin);
        EXPECT_NEAR(iOut / d.I2, 1, kMeanCurrentTolerance);
        EXPECT_NEAR(i1 / k.i1Rms, 1, kRmsTolerance);
        EXPECT_NEAR(iOff / k.iOff, 1, kTurnOffTolerance);
        EXPECT_EQ(complete, k.swingComplete);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Designs, AgainstNgspice,
    ::testing::Values(SpiceCase{"Default", {}},
                      SpiceCase{"Supply250To400", {{"Umin", "250"}, {"Umax", "400"}}},
                      SpiceCase{"Bridge", {{"vypr", "2"}}}, SpiceCase{"kL3", {{"kL", "3"}}},
                      SpiceCase{"kL8", {{"kL", "8"}}}, SpiceCase{"Q02", {{"Q", "0.2"}}},
                      SpiceCase{"Q06", {{"Q", "0.6"}}}, SpiceCase{"Fr150", {{"Fr", "150"}}},
                      SpiceCase{"HeavyLoad", {{"I2_1", "20"}}}),
    CaseName);

}  // namespace
}  // namespace kelvara
