#include "calc/spice_netlist.h"

#include <algorithm>
#include <cmath>

#include "refdata/text.h"

namespace kelvara {

namespace {

// The default output capacitor holds the ripple to about this share of U2_1,
// taking a tenth of the load charge of one period as the charge it swings.
constexpr double kRipple = 0.01;
constexpr double kRippleCharge = 0.1;
constexpr int kMinPeriods = 40;
constexpr int kMaxPeriods = 5000;
constexpr int kSourcePeriods = 20;
constexpr double kRiseTime = 1e-9;  // gate edges, s

bool Usable(double v) {
    return std::isfinite(v) && v > 0;
}

// A number in engineering form with a SPICE scale suffix, ten significant
// digits, C locale: 61.830527u, 74.3754k, 0.
std::string Num(double v) {
    if (v == 0 || !std::isfinite(v)) return "0";
    struct Prefix {
        double scale;
        const char* suffix;
    };
    static constexpr Prefix kPrefixes[] = {{1e9, "G"},  {1e6, "Meg"}, {1e3, "k"},
                                           {1, ""},     {1e-3, "m"},  {1e-6, "u"},
                                           {1e-9, "n"}, {1e-12, "p"}, {1e-15, "f"}};
    const Prefix* p = &kPrefixes[std::size(kPrefixes) - 1];
    for (const Prefix& q : kPrefixes) {
        if (std::abs(v) >= q.scale) {
            p = &q;
            break;
        }
    }
    std::string t = ToUtf8(FormatFixed(v / p->scale, 9));
    if (t.find('.') != std::string::npos) {
        while (t.back() == '0') t.pop_back();
        if (t.back() == '.') t.pop_back();
    }
    return t + p->suffix;
}

std::string Line(std::initializer_list<std::string> parts) {
    std::string s;
    for (const std::string& p : parts) {
        if (p.empty()) continue;
        if (!s.empty()) s += ' ';
        s += p;
    }
    return s + '\n';
}

std::string Ic(double v) {
    return "IC=" + Num(v);
}

}  // namespace

std::string SpiceNetlist(const TdDesign& d, double Uhb, double Udc, const SpiceOptions& o) {
    const double n = d.N1 / d.N2;
    const double ud = d.bridge ? (d.U2d - d.Uout) / 2 : d.U2d - d.Uout;
    if (!Usable(d.Fr) || !Usable(d.Lr) || !Usable(d.Cr) || !Usable(d.Lm) || !Usable(n) ||
        !Usable(d.Uout) || !Usable(d.I2) || !Usable(Uhb) || !Usable(Udc) ||
        !(std::isfinite(ud) && ud >= 0) || !(std::isfinite(d.td) && d.td >= 0) ||
        !(std::isfinite(d.Coss) && d.Coss >= 0) || o.stepsPerPeriod < 10 || o.measuredPeriods < 1)
        return {};

    // The frequency: as asked, else the model's operating frequency (with the
    // supply as the check uses it), else Fr.
    double f = o.f;
    if (!Usable(f)) {
        const TdCorner k = SolveTdCorner(d, Uhb, Udc);
        f = k.found ? k.f : d.Fr;
    }
    const double per = 1e-3 / f;  // s
    const double vbus = 2 * Uhb;
    const double rload = d.Uout / d.I2;
    const double cout =
        Usable(o.cout) ? o.cout * 1e-6 : kRippleCharge * d.I2 * per / (kRipple * d.Uout);
    int periods = o.periods;
    if (periods <= 0) {
        periods = o.load == SpiceLoad::Source
                      ? kSourcePeriods
                      : static_cast<int>(std::clamp(std::ceil(6 * rload * cout / per),
                                                    double{kMinPeriods}, double{kMaxPeriods}));
    }
    periods = std::max(periods, o.measuredPeriods + 1);

    // The steady state of the model's circuit as the netlist has it: the
    // midpoint swings through vbus in the dead time.
    TdState x;
    bool start = false;
    if (o.steadyStart) {
        TdCircuit c = TdCornerCircuit(d, Uhb, vbus);
        const TdPeriod p = SolveTdPeriod(c, f);
        if (p.solved) {
            x = p.start;
            start = true;
        }
    }

    std::string s;
    s += "* Kelvara: LLC half bridge, ";
    s += o.highestSupply ? "highest" : "lowest";
    s += " supply corner\n";
    s += "* The midpoint runs between 0 and vbus = udc - 2*udrop (the supply less the two\n";
    s += o.transformer == SpiceTransformer::Coupled
             ? "* transistor drops); Lm is the primary inductance of windings coupled with K = 1;\n"
             : "* transistor drops); Lm lies across the primary of an ideal transformer;\n";
    s += "* each diode is a near-ideal diode model, each rectifier diode with a source of\n";
    s += "* its forward drop ud in series. Set fsw (Hz) to simulate another frequency.\n";
    s += ".param udc=" + Num(Udc) + " udrop=" + Num(Udc / 2 - Uhb) + " vbus={udc-2*udrop}\n";
    s += ".param fsw=" + Num(f * 1e3) + " td=" + Num(d.td * 1e-9) + " coss=" + Num(d.Coss * 1e-12) +
         "\n";
    s += ".param lr=" + Num(d.Lr * 1e-6) + " cr=" + Num(d.Cr * 1e-9) + " lm=" + Num(d.Lm * 1e-6) +
         " n=" + Num(n) + "\n";
    s += ".param ud=" + Num(ud) + " uout=" + Num(d.Uout) + " iout=" + Num(d.I2) +
         " rload={uout/iout} cout=" + Num(cout) + "\n";
    s += ".param per={1/fsw} tr=" + Num(kRiseTime) + "\n";
    s += "* Half bridge: the high switch conducts from td to per/2, the low one from\n";
    s += "* per/2+td to per; the time starts as the low switch turns off.\n";
    s += "Vbus bus 0 {vbus}\n";
    s += "Vgh gh 0 PULSE(0 1 {max(0,td-tr/2)} {tr} {tr} {per/2-td-tr} {per})\n";
    s += "Vgl gl 0 PULSE(0 1 {per/2+td-tr/2} {tr} {tr} {per/2-td-tr} {per})\n";
    s += "S1 bus mid gh 0 SWITCH\n";
    s += "S2 mid 0 gl 0 SWITCH\n";
    s += Line({"C1 bus mid {coss}", start ? Ic(vbus) : ""});
    s += Line({"C2 mid 0 {coss}", start ? Ic(0) : ""});
    s += "D1 mid bus DIDEAL\n";
    s += "D2 0 mid DIDEAL\n";
    s += "* Resonant circuit; Vsense measures the primary current out of the midpoint.\n";
    s += "Vsense mid a 0\n";
    s += Line({"Cr a b {cr}", start ? Ic(Uhb + x.vCr) : ""});
    s += Line({"Lr b p {lr}", start ? Ic(x.iLr) : ""});
    if (o.transformer == SpiceTransformer::Coupled) {
        // The secondary current, out of the conducting winding's dotted end.
        const double sec = n * (x.iLr - x.iLm);
        s += "* Transformer: windings coupled with K = 1, the dotted ends first.\n";
        s += Line({"Lp p 0 {lm}", start ? Ic(x.iLr) : ""});
        if (d.bridge) {
            s += Line({"Ls s1 s2 {lm/(n*n)}", start ? Ic(-sec) : ""});
            s += "K1 Lp Ls 1\n";
        } else {
            s += Line({"Ls1 s1 0 {lm/(n*n)}", start ? Ic(sec > 0 ? -sec : 0) : ""});
            s += Line({"Ls2 0 s2 {lm/(n*n)}", start ? Ic(sec < 0 ? -sec : 0) : ""});
            s += "K1 Lp Ls1 1\nK2 Lp Ls2 1\nK3 Ls1 Ls2 1\n";
        }
    } else {
        s += "* Transformer: Lm across the primary and an ideal transformer N1:N2 = n;\n";
        s += "* each winding's voltage is v(p)/n and its current, sensed by a 0 V source,\n";
        s += "* comes back to the primary divided by n.\n";
        s += Line({"Lm p 0 {lm}", start ? Ic(x.iLm) : ""});
        if (d.bridge) {
            s += "E1 w1 s2 p 0 {1/n}\nVw1 w1 s1 0\nF1 p 0 Vw1 {1/n}\n";
        } else {
            s += "E1 w1 0 p 0 {1/n}\nVw1 w1 s1 0\nF1 p 0 Vw1 {1/n}\n";
            s += "E2 0 w2 p 0 {1/n}\nVw2 w2 s2 0\nF2 0 p Vw2 {1/n}\n";
        }
    }
    if (d.bridge) {
        s += "* Bridge rectifier\n";
        s += "Vd1 s1 x1 {ud}\nDr1 x1 out DRECT\n";
        s += "Vd2 s2 x2 {ud}\nDr2 x2 out DRECT\n";
        s += "Vd3 0 x3 {ud}\nDr3 x3 s1 DRECT\n";
        s += "Vd4 0 x4 {ud}\nDr4 x4 s2 DRECT\n";
    } else {
        s += "* Centre-tapped rectifier\n";
        s += "Vd1 s1 x1 {ud}\nDr1 x1 out DRECT\n";
        s += "Vd2 s2 x2 {ud}\nDr2 x2 out DRECT\n";
    }
    s += "* Output\n";
    if (o.load == SpiceLoad::Source) {
        s += "Vout out 0 {uout}\n";
    } else {
        s += Line({"Cout out 0 {cout}", start ? "IC={uout}" : ""});
        s += "Rload out 0 {rload}\n";
    }
    s += ".model SWITCH SW(VT=0.5 VH=0 RON=1m ROFF=1G)\n";
    s += ".model DIDEAL D(IS=1u N=0.01)\n";
    // The bridge's secondary floats while its diodes block: their 10 pF hold it.
    s += d.bridge ? ".model DRECT D(IS=1u N=0.01 CJO=10p)\n" : ".model DRECT D(IS=1u N=0.01)\n";
    s += ".options reltol=1e-4 trtol=1 rshunt=1e6 gmin=1e-9\n";
    const std::string P = std::to_string(periods);
    const std::string from = std::to_string(periods - o.measuredPeriods);
    const std::string step = "{per/" + std::to_string(o.stepsPerPeriod) + "}";
    s += ".tran " + step + " {" + P + "*per} 0 " + step + (start ? " uic" : "") + "\n";
    const std::string window = " from={" + from + "*per} to={" + P + "*per}\n";
    s += ".meas tran uout_avg avg v(out)" + window;
    if (o.load == SpiceLoad::Source) {
        s += ".meas tran iout_avg avg i(vout)" + window;
    } else {
        s += ".meas tran iout_avg param='uout_avg/rload'\n";
    }
    s += ".meas tran i1_rms rms i(vsense)" + window;
    const std::string last = std::to_string(periods - 1);
    s += ".meas tran i_off find i(vsense) at={" + P + "*per-per/2}\n";
    s += ".meas tran i_off_low find i(vsense) at={" + last + "*per}\n";
    s += ".meas tran v_mid_on find v(mid) at={" + last + "*per+td-tr}\n";
    s += ".meas tran v_mid_on_low find v(mid) at={" + P + "*per-per/2+td-tr}\n";
    s += ".end\n";
    return s;
}

std::string SpiceNetlist(const DesignResults& r, int32_t vypr, double tdNs, double cossPf,
                         const SpiceOptions& o) {
    const TdDesign d = TdDesignOf(r, vypr, 0, tdNs, cossPf);
    return o.highestSupply ? SpiceNetlist(d, r.UhbMax, r.UdcMax, o)
                           : SpiceNetlist(d, r.UhbMin, r.UdcMin, o);
}

}  // namespace kelvara
