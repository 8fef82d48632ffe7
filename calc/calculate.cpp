#include "calc/calculate.h"

#include <cmath>
#include <optional>

#include "calc/core_loss.h"
#include "calc/design_rules.h"
#include "calc/gain.h"
#include "calc/gap_model.h"
#include "calc/messages.h"
#include "calc/result_texts.h"
#include "calc/winding.h"
#include "calc/wire_choice.h"
#include "refdata/physics.h"

namespace kelvara {

namespace {

using phys::kInvTwoPi;
using phys::kMu0;
using phys::kPi;

// The gap/AL pass is repeated after each adjustment of zazor, at most this often.
constexpr int kMaxGapPasses = 10;
// Steps of the secondary-turns loop. With a positive finite turns ratio the
// loop ends after its first step; the bound only keeps odd inputs from
// spinning (a non-finite ratio ends it at once because its test is false).
constexpr int kMaxSecondaryTurnSteps = 1000;

// The numbers read from the input fields.
struct InputNumbers {
    double zazor = 0, Bm = 0, Fr = 0, kL = 0, Q = 0, Rds = 0, Unas = 0, ko = 0, j = 0, Umin = 0,
           Umax = 0, U2_1 = 0, I2_1 = 0, Ud = 0;
};

InputNumbers ReadInputs(DesignInputs& in) {
    InputNumbers v;
    v.zazor = ToNumber(in.zazor);
    v.Bm = ToNumber(in.Bm);
    v.Fr = ToNumber(in.Fr);
    v.kL = ToNumber(in.kL);
    v.Q = ToNumberQ(in.Q);
    v.Rds = ToNumber(in.Rds);
    v.Unas = ToNumber(in.Unas);
    v.ko = ToNumber(in.ko);
    v.j = ToNumber(in.j);
    v.Umin = ToNumber(in.Umin);
    v.Umax = ToNumber(in.Umax);
    v.U2_1 = ToNumber(in.U2_1);
    v.I2_1 = ToNumber(in.I2_1);
    v.Ud = ToNumber(in.Ud);
    return v;
}

bool Positive(double v) {
    return std::isfinite(v) && v > 0;
}
bool NonNegative(double v) {
    return std::isfinite(v) && v >= 0;
}

// The label shown beside an input field.
std::u16string_view LabelOf(Text DesignInputs::*field) {
    for (const FieldDef& f : kDesignFileFields) {
        if (f.text == field) return f.label;
    }
    return {};
}

// The label of the first number that the calculation cannot work with, in
// the order in which the numbers are read; nothing when all are usable.
std::optional<std::u16string_view> FirstInvalidInput(const DesignInputs& in, const InputNumbers& v,
                                                     const CoreRecord& core,
                                                     const MaterialLossData& material) {
    using D = DesignInputs;
    if (in.yes_al == 1) {
        if (!Positive(v.zazor)) return kALRadioLabel;
    } else if (!NonNegative(v.zazor)) {
        return kGapRadioLabel;
    }
    if (!Positive(v.Bm)) return LabelOf(&D::Bm);
    if (!Positive(v.Fr)) return LabelOf(&D::Fr);
    if (!Positive(v.kL)) return LabelOf(&D::kL);
    if (!Positive(v.Q)) return LabelOf(&D::Q);
    if (in.rds == 1 && !NonNegative(v.Rds)) return LabelOf(&D::Rds);
    if (in.rds == 0 && !NonNegative(v.Unas)) return LabelOf(&D::Unas);
    if (!Positive(v.ko)) return LabelOf(&D::ko);
    if (!Positive(v.j)) return LabelOf(&D::j);
    if (!Positive(v.Umin)) return LabelOf(&D::Umin);
    if (!Positive(v.Umax)) return LabelOf(&D::Umax);
    if (!Positive(v.U2_1)) return LabelOf(&D::U2_1);
    if (!Positive(v.I2_1)) return LabelOf(&D::I2_1);
    if (!NonNegative(v.Ud)) return LabelOf(&D::Ud);
    if (!Positive(core.Ae)) return msg::kLabelAe;
    if (!Positive(core.An)) return msg::kLabelAn;
    if (!Positive(core.le)) return msg::kLabelLe;
    if (!(core.mu >= 1)) return msg::kLabelCoreMu;
    if (!Positive(material.mu)) return msg::kLabelMaterialMu;
    return std::nullopt;
}

// The events of a run as it goes.
class Events {
  public:
    explicit Events(std::vector<CalcEvent>& list) : list_(list) {}
    void Refresh() { list_.push_back({CalcEvent::Kind::Refresh, {}, {}}); }
    // The caption is translated here; the text comes translated.
    void Message(std::u16string_view caption, TextView text) {
        list_.push_back({CalcEvent::Kind::Message, Tr(caption), Text(text)});
    }

  private:
    std::vector<CalcEvent>& list_;
};

// Ends a run early: the window shows what the run has set so far, then the message.
void Stop(Events& events, std::u16string_view caption, TextView text) {
    events.Refresh();
    events.Message(caption, text);
}

// A winding of litz when both its strand diameter and its strand count are
// given (the count taken whole), else of the chosen wire.
Conductor TurnConductor(Text& strandD, Text& strands, const WireChoice& wire,
                        const WireTable& wires) {
    const double d = ToNumber(strandD);
    const double n = std::floor(ToNumber(strands));
    if (std::isfinite(d) && d > 0 && n >= 1) return LitzConductor(d, n, wires);
    return RoundConductor(wire.d, wire.diz, wire.strands);
}

void SetInductance(DesignResults& res, ResultField value, ResultField unit, double microHenry) {
    InductanceText t = FormatInductance(microHenry);
    res.text[value] = std::move(t.value);
    res.text[unit] = std::move(t.unit);
}

}  // namespace

std::vector<const CalcEvent*> CalcReport::Messages() const {
    std::vector<const CalcEvent*> out;
    for (const CalcEvent& e : events)
        if (e.kind == CalcEvent::Kind::Message) out.push_back(&e);
    return out;
}

CalcReport RunCalculation(DesignInputs& in, const CoreRecord& core,
                          const MaterialLossData& material, const WireTable& wires) {
    CalcReport report;
    Events host(report.events);
    DesignResults& res = report.results;
    NormaliseChoices(in);

    // Read the inputs; commas become points in the fields, an empty Q becomes 0.4.
    const InputNumbers v = ReadInputs(in);

    // Every result text starts empty.
    res.Fr = v.Fr;
    res.Q = v.Q;
    res.kL = v.kL;
    res.Bm = v.Bm;

    if (const auto label = FirstInvalidInput(in, v, core, material)) {
        Stop(host, kCaptionWarning, TrFormat(msg::kInvalidValue, {Tr(*label)}));
        return report;
    }

    // Skin depth at the resonant frequency.
    res.kSec = 1;
    res.delta = phys::kSkinDepth / std::sqrt(v.Fr);
    res.Adelta = kPi * (res.delta * res.delta);

    // Supply: mains voltages become the rectified peak.
    double Umin = v.Umin;
    double Umax = v.Umax;
    if (in.setevoe == 1) {
        Umin = Umin * rule::kMainsRectifiedFactor;
        Umax = Umax * rule::kMainsRectifiedFactor;
    }
    res.UdcMin = Umin;
    res.UdcMax = Umax;

    // Load.
    double I2_1 = v.I2_1;
    if (in.vypr == 1) I2_1 = I2_1 * 2;
    res.I2 = I2_1;
    res.Pload = v.U2_1 * I2_1;
    res.Uout = v.U2_1;
    res.U2d = v.U2_1 + v.Ud;
    if (in.vypr == 2) res.U2d = v.U2_1 + 2 * v.Ud;

    // Transistor drop and half-bridge amplitudes.
    res.Itr = 8 * res.U2d * I2_1 / (kPi * Umax);
    res.UnasEff = in.rds == 1 ? res.Itr * v.Rds : v.Unas;
    res.UhbMin = Umin / 2 - res.UnasEff;
    res.UhbMax = Umax / 2 - res.UnasEff;
    if (in.rds == 1) {
        in.Unas = FormatFixed(res.UnasEff, 3);
        if (res.UnasEff > rule::kMaxTransistorDropShare * Umin) {
            Stop(host, kCaptionWarning, Tr(msg::kTransistorDrop));
            return report;
        }
    }
    // The supply must stay above the drop (an undefined amplitude stops too).
    if (!(res.UhbMin > 0) || !(res.UhbMax > 0)) {
        Stop(host, kCaptionWarning, Tr(msg::kTransistorDrop));
        return report;
    }

    res.gapRes = ResidualGap(core, material.mu);
    res.adjusted = false;

    // Gap/AL pass, repeated after zazor has been adjusted.
    double zazor = v.zazor;
    for (int pass = 1; pass <= kMaxGapPasses; ++pass) {
        res.passes = pass;
        res.fring = 1;
        if (in.yes_al == 1) {
            res.AL = zazor / 1000;
        } else {
            const ALAtGap at = ALFromGap(zazor, core, material.mu, res.gapRes);
            res.AL = at.AL;
            res.fring = at.fring;
        }
        res.muEff = 1000 * res.AL * core.le / (kMu0 * core.Ae);

        res.Rload = res.U2d / I2_1;
        res.n = res.UhbMax / res.U2d;
        res.Rac = 8 * (res.n * res.n) * res.Rload / (kPi * kPi);
        res.MreqMin = res.n * res.U2d / res.UhbMin;

        const double M = res.MreqMin;
        if (M == 1) {
            res.Qmax = rule::kQmaxAtUnityGain;
        } else {
            res.Qmax = std::sqrt((1 + v.kL * (1 - 1 / (M * M))) / (M * M - 1)) / v.kL;
        }
        res.text[kRQmax] = FormatFixed(res.Qmax, 3);

        // Resonant circuit: Fr in kHz, inductances in µH, capacitance in nF.
        res.Cr = 1e6 * kInvTwoPi / (v.Fr * v.Q * res.Rac);
        res.Lr = res.Rac * v.Q * 0.5 * 1000 / (kPi * v.Fr);
        res.Lm = v.kL * res.Lr;

        res.N1min = RoundUpWhole(0.5 * res.UhbMax * 500 / (v.Bm * core.Ae * v.Fr));
        res.ALreq = res.Lm / (res.N1min * res.N1min);

        bool repeat = false;
        if (in.yes_al == 1) {
            // Largest usable AL, whole nH/turn².
            res.gapReq = std::trunc(1000 * res.ALreq);
            res.text[kRGapReq] = FormatFixed(res.gapReq, 0);
            if (std::isfinite(res.gapReq) && res.gapReq < zazor) {
                in.zazor = res.text[kRGapReq];
                zazor = res.gapReq;
                res.adjusted = true;
                repeat = true;
            }
        } else {
            // Smallest usable gap; a larger entered gap stays.
            const GapForAL req = GapFromAL(res.ALreq, res.fring, core, material.mu, res.gapRes);
            res.gapReq = req.gap;
            res.text[kRGapReq] = FormatFixed(res.gapReq + 0.0005, 2);
            if (std::isfinite(res.gapReq) && res.gapReq > zazor) {
                // The required gap rounded up to 0.01 mm.
                in.zazor = FormatFixed(res.gapReq + 0.005, 2);
                zazor = ToNumber(in.zazor);
                res.adjusted = true;
                repeat = true;
            }
        }
        if (!repeat) break;
    }

    // Turns.
    res.nDesign = res.n;
    double N1 = RoundUpWhole(std::sqrt(res.Lm / res.AL));
    double N2 = std::trunc(N1 / res.n);
    if (N2 == 0) N2 = 1;
    N1 = std::trunc(N2 * res.n);
    if (N1 < res.N1min) N1 = res.N1min;
    for (int step = 0;
         step < kMaxSecondaryTurnSteps && N1 / N2 > rule::kTurnsRatioTolerance * res.n; ++step) {
        N2 = N2 + 1;
        N1 = std::trunc(N2 * res.n);
    }
    res.N1 = N1;
    res.N2 = N2;

    // The circuit with the whole turns.
    res.Lm = res.AL * (N1 * N1);
    res.Ltot = res.Lm + res.Lr;
    res.n = N1 / N2;
    res.Rac = 8 * (res.n * res.n) * res.Rload / (kPi * kPi);
    res.Qact = 2 * kPi * v.Fr * res.Lr / (1000 * res.Rac);
    res.kLact = res.Lm / res.Lr;
    res.MreqMin = res.U2d * res.n / res.UhbMin;
    res.MreqMax = res.U2d * res.n / res.UhbMax;

    // Operating frequencies.
    const GainSweep sweep = SweepGain(res.Qact, res.kLact, res.MreqMin, res.MreqMax);
    res.xMin = sweep.xMin;
    res.xMax = sweep.xMax;
    res.xPeak = sweep.xPeak;
    res.xMinFound = sweep.xMinFound;
    res.xMaxFound = sweep.xMaxFound;
    res.xPeakFound = sweep.xPeakFound;
    if (sweep.xPeakFound) {
        res.fCtl = res.xPeak * v.Fr;
        res.text[kRFCtl] = FormatFixed(res.fCtl, 2);
    } else {
        res.text[kRFCtl] = u"?";
    }
    if (sweep.xMinFound) {
        res.fMin = res.xMin * v.Fr;
        res.text[kRFMin] = FormatFixed(res.fMin, 2);
    } else {
        res.text[kRFMin] = u"?";
        host.Message(kCaptionError, Tr(msg::kNoMinFrequency));
    }
    if (sweep.xMaxFound) {
        res.fMax = res.xMax * v.Fr;
        res.text[kRFMax] = FormatFixed(res.fMax, 2);
    } else {
        res.text[kRFMax] = u"?";
        host.Message(kCaptionError, Tr(msg::kNoMaxFrequency));
    }

    res.text[kRN1] = FormatFixed(N1, 0);
    res.text[kRAL] = FormatWholePart(1000 * res.AL);
    res.text[kRPload] = FormatFixed(res.Pload, 1);
    res.text[kRKLact] = FormatFixed(res.kLact, 3);
    res.text[kRCr] = FormatFixed(res.Cr, 3);
    res.text[kRSkin] = FormatFixed(2 * res.delta, 3);

    // Flux density with the whole turns and the core loss.
    res.BmAct = 0.5 * res.UhbMax * 500 / (N1 * core.Ae * v.Fr);
    res.text[kRBmAct] = FormatFixed(res.BmAct, 3);
    const CoreLossEstimate loss = EstimateCoreLoss(v.Fr, res.BmAct, material, core.Ve);
    if (loss.ok) {
        res.lossDensity = loss.lossDensity;
        res.lossW = loss.lossW;
        res.text[kRLossW] = FormatFixed(res.lossW, 3);
    } else {
        res.text[kRLossW] = Text(kLossUnknownText);
        host.Message(kCaptionWarning, Tr(msg::kNoLossData));
    }

    // Primary currents: magnetising peak, reflected load peak, RMS.
    res.Im = res.U2d * res.n / (4 * v.Fr * res.Lm) * 1000;
    res.Ip = kPi * I2_1 / (2 * res.n);
    res.I1 = std::sqrt((res.Ip * res.Ip + res.Im * res.Im) / 2);

    WireConditions cond;
    cond.delta = res.delta;
    cond.Adelta = res.Adelta;
    cond.j = v.j;
    cond.imposed = in.yes_d == 1;

    // Primary wire.
    WireNormalisation d11 = NormaliseWireDiameter(in.d11, wires);
    in.d11 = std::move(d11.text);
    if (!d11.message.empty()) host.Message(kCaptionWarning, d11.message);
    res.wire1 = ChooseWire(res.I1, cond, d11.index, wires);
    res.Acu1 = res.wire1.Awire * N1 * res.wire1.strands;
    res.text[kRWire1] = WireResultText(res.wire1);

    // Secondary current by rectifier kind.
    if (in.vypr == 0) {
        res.text[kRN2] = FormatFixed(N2, 0) + u"+" + FormatFixed(N2, 0);
        res.kSec = std::sqrt(2.0);
        res.I2w = kPi * I2_1 / 2 * 0.5;
    } else {
        res.text[kRN2] = FormatFixed(N2, 0);
        res.I2w = kPi * I2_1 / 2 / std::sqrt(2.0);
    }

    // Secondary wire; a centre-tapped secondary has two half windings.
    WireNormalisation d21 = NormaliseWireDiameter(in.d21, wires);
    in.d21 = std::move(d21.text);
    if (!d21.message.empty()) host.Message(kCaptionWarning, d21.message);
    res.wire2 = ChooseWire(res.I2w, cond, d21.index, wires);
    res.text[kRWire2] = WireResultText(res.wire2);
    res.Acu2 = res.wire2.Awire * N2 * res.wire2.strands;
    if (in.vypr == 0 || in.vypr == 1) res.Acu2 = res.Acu2 * 2;

    // Window fill (unknown without a wire table) and overall power.
    res.fill = (res.Acu1 + res.Acu2) / core.An;
    res.text[kRFill] = FormatFixed(res.fill, 3);
    res.Pgab = res.UhbMax / N1 * core.An * v.ko * v.j / (res.kSec + 1);
    res.text[kRPgab] = FormatFixed(res.Pgab, 1);

    // The windings on the core's bobbin.
    WindingSpec spec;
    spec.primary = TurnConductor(in.litz1d, in.litz1n, res.wire1, wires);
    spec.secondary = TurnConductor(in.litz2d, in.litz2n, res.wire2, wires);
    spec.N1 = N1;
    spec.N2 = N2;
    spec.centreTap = in.vypr == 0 || in.vypr == 1;
    spec.interleaved = in.inter == 1;
    res.winding = BuildWinding(BobbinOf(core), spec);

    SetInductance(res, kRLr, kRLrUnit, res.Lr);
    SetInductance(res, kRLm, kRLmUnit, res.Lm);
    SetInductance(res, kRLtot, kRLtotUnit, res.Ltot);

    res.calculated = true;
    report.completed = true;
    host.Refresh();

    if (res.adjusted) {
        host.Message(kCaptionWarning, Tr(in.yes_al == 1 ? msg::kALAdjusted : msg::kGapAdjusted));
    }
    if (res.fill > rule::kFillLimit) host.Message(kCaptionWarning, Tr(msg::kFillTooHigh));
    return report;
}

}  // namespace kelvara
