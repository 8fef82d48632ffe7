// Fixtures shared by the calculation tests: a small E-core, a ferrite
// material with a 4 × 4 loss table, a wire table, and a host that records
// every window refresh and message of a run in order.
#pragma once

#include <string>
#include <vector>

#include "calc/calculate.h"
#include "refdata/records.h"
#include "refdata/text.h"

namespace kelvara::test {

// An E 40/16/12-like core: Ae 149 mm², An 170 mm², le 77 mm, µ 1750, no AL law.
inline CoreRecord TestCore() {
    CoreRecord c;
    c.name = u"E 40/16/12";
    c.Ae = 149;
    c.An = 170;
    c.le = 77;
    c.Ve = c.le * c.Ae / 1000;
    c.mu = 1750;
    return c;
}

// µ 2200; flux densities 0.05, 0.1, 0.2, 0.3 T; frequencies 25, 50, 100, 200 kHz.
inline MaterialLossData TestMaterial() {
    MaterialLossData m;
    m.mu = 2200;
    m.Bmax = 0.49;
    m.Bmmax = 0.3;
    const double b[] = {0.05, 0.1, 0.2, 0.3};
    const double f[] = {25, 50, 100, 200};
    const double p[4][4] = {
        {3, 15, 80, 230}, {6, 30, 160, 450}, {15, 70, 380, 1000}, {40, 180, 900, 2500}};
    m.nB = 4;
    m.nF = 4;
    for (int j = 0; j < 4; ++j) m.lossTable[0][j + 1] = b[j];
    for (int i = 0; i < 4; ++i) {
        m.lossTable[i + 1][0] = f[i];
        for (int j = 0; j < 4; ++j) m.lossTable[i + 1][j + 1] = p[i][j];
    }
    return m;
}

inline WireTable MakeWireTable(std::initializer_list<double> diameters) {
    WireTable t;
    for (double d : diameters) t.entries.push_back({d, d + 0.05, 3.141592653589793 / 4 * d * d});
    return t;
}

inline WireTable TestWires() {
    return MakeWireTable({0.05, 0.1, 0.2,  0.25, 0.315, 0.4, 0.5, 0.56, 0.63, 0.71, 0.8,
                          0.9,  1.0, 1.12, 1.25, 1.4,   1.6, 1.8, 2.0,  2.24, 2.5});
}

// The events of a run, in order: "R" for a refresh of the window, or
// "<caption>|<text>" (UTF-8) for a message.
struct EventLog {
    std::vector<std::string> events;
};

inline std::vector<std::string> EventStrings(const CalcReport& report) {
    std::vector<std::string> out;
    for (const CalcEvent& e : report.events) {
        out.push_back(
            e.kind == CalcEvent::Kind::Refresh ? "R" : ToUtf8(e.caption) + "|" + ToUtf8(e.text));
    }
    return out;
}

// Runs the calculation and reads its report into `res` and `log`; true when
// the run went to its end.
inline bool RunRecorded(DesignInputs& in, DesignResults& res, const CoreRecord& core,
                        const MaterialLossData& material, const WireTable& wires, EventLog& log) {
    CalcReport report = RunCalculation(in, core, material, wires);
    res = std::move(report.results);
    log.events = EventStrings(report);
    return report.completed;
}

inline std::string U8(TextView t) {
    return ToUtf8(t);
}

}  // namespace kelvara::test
