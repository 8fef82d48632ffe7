#include "session/waveforms.h"

#include <charconv>

#include "refdata/i18n.h"

namespace kelvara {

namespace {

std::string Shortest(double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

}  // namespace

std::array<CornerWaveform, 2> WaveformsOf(const DesignDocument& d, int samples) {
    std::array<CornerWaveform, 2> out;
    out[1].lowest = false;
    const DesignResults& r = d.results;
    const check::SwitchInputs sw = check::ReadSwitchInputs(d.inputs, r.Fr);
    for (CornerWaveform& w : out) {
        w.Uhb = w.lowest ? r.UhbMin : r.UhbMax;
        w.td = sw.td;
        if (!d.calculated) {
            w.problem = Tr(u"Расчет не выполнен до конца.");
            continue;
        }
        if (!sw.problem.empty()) {
            w.problem = sw.problem;
            continue;
        }
        const TdDesign design = TdDesignOf(r, d.inputs.vypr, d.core.Ae, sw.td, sw.coss);
        const double Udc = w.lowest ? r.UdcMin : r.UdcMax;
        w.corner = SolveTdCorner(design, w.Uhb, Udc);
        if (!w.corner.solved) {
            w.problem = Tr(u"Модель во временной области не решена для этой схемы.");
            continue;
        }
        if (!w.corner.found) {
            w.problem = w.corner.tooMuch
                            ? Tr(u"Даже на 2·Fr ток выпрямителя больше тока нагрузки: рабочей "
                                 u"частоты нет.")
                            : Tr(u"Ни на одной частоте от 0.3·Fr до 2·Fr выход не достигает "
                                 u"заданного напряжения.");
            continue;
        }
        const TdCircuit c = TdCornerCircuit(design, w.Uhb, Udc);
        w.wave = SampleTdWaveform(c, w.corner.period, samples);
        w.solved = !w.wave.t.empty();
        if (!w.solved) w.problem = Tr(u"Модель во временной области не решена для этой схемы.");
    }
    return out;
}

std::string WaveformsCsv(const std::array<CornerWaveform, 2>& corners) {
    std::string out = "corner,t_us,v_mid_V,i_primary_A,i_magnetizing_A,v_cr_V,i_secondary_A\n";
    for (const CornerWaveform& w : corners) {
        if (!w.solved) continue;
        const TdWaveform& s = w.wave;
        for (size_t i = 0; i < s.t.size(); ++i) {
            out += w.lowest ? "min," : "max,";
            out += Shortest(s.t[i]) + "," + Shortest(s.vMid[i]) + "," + Shortest(s.iLr[i]) + "," +
                   Shortest(s.iLm[i]) + "," + Shortest(s.vCr[i]) + "," + Shortest(s.iSec[i]) + "\n";
        }
    }
    return out;
}

}  // namespace kelvara
