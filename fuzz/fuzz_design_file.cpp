// Fuzzes the reading of design files, and calculates what was read.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "calc/calculate.h"
#include "calc/design_check.h"
#include "designs/design_file.h"
#include "refdata/text_file.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

bool HasNonFiniteText(kelvara::TextView t) {
    return t.find(u"inf") != kelvara::TextView::npos || t.find(u"nan") != kelvara::TextView::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kelvara;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    DesignInputs in;
    ParseDesignText(DecodeFileBytes(bytes), in);
    // Every choice names one of its buttons.
    Check(in.yes_al == 0 || in.yes_al == 1);
    Check(in.rds == 0 || in.rds == 1);
    Check(in.setevoe == 0 || in.setevoe == 1);
    Check(in.vypr >= 0 && in.vypr <= 2);
    Check(in.yes_d == 0 || in.yes_d == 1);
    Check(in.inter == 0 || in.inter == 1);

    // What was read is written and read back unchanged.
    DesignInputs back;
    ParseDesignText(DecodeFileBytes(DesignFileBytes(in)), back);
    const auto same = [&](const FieldDef& f) {
        if (f.kind == FieldKind::Text) {
            Check(back.*(f.text) == in.*(f.text));
        } else {
            Check(back.*(f.number) == in.*(f.number));
        }
    };
    for (const FieldDef& f : kDesignFileFields) same(f);
    for (const FieldDef& f : kDesignExtraFields) same(f);

    // And it calculates without a non-finite number in any text.
    CoreRecord core;
    core.Ae = 149;
    core.An = 185;
    core.le = 77;
    core.Ve = 77 * 149 / 1000.0;
    core.mu = 1970;
    MaterialLossData material;
    material.mu = 2200;
    material.nB = 2;
    material.nF = 2;
    material.lossTable[0][1] = 0.1;
    material.lossTable[0][2] = 0.2;
    material.lossTable[1][0] = 25;
    material.lossTable[2][0] = 100;
    material.lossTable[1][1] = 15;
    material.lossTable[1][2] = 80;
    material.lossTable[2][1] = 70;
    material.lossTable[2][2] = 400;
    WireTable wires;
    for (double d : {0.2, 0.4, 0.63, 1.0})
        wires.entries.push_back({d, d * 1.1, 3.141592653589793 / 4 * (d * d)});
    const CalcReport report = RunCalculation(in, core, material, wires);
    for (const Text& t : report.results.text) Check(!HasNonFiniteText(t));
    // The design check of a finished run never breaks on what it was given;
    // its texts (the time-domain rows with the file's tdead and coss too) hold
    // no infinite or undefined number.
    const DesignCheck check = CheckDesign(in, report.results, core, material);
    Check(check.done == report.completed);
    // The windings (litz and interleaving as read) lie inside the bobbin.
    for (const WindingLayer& l : report.results.winding.layers) {
        Check(l.width <= report.results.winding.bobbin.bw * (1 + 1e-12));
        Check(l.height > 0);
    }
    for (const CheckRow& row : check.rows) {
        Check(!HasNonFiniteText(row.value) && !HasNonFiniteText(row.note));
    }
    for (const CalcEvent& e : report.events)
        if (e.kind == CalcEvent::Kind::Message) Check(!e.text.empty());
    return 0;
}
