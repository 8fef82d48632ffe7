#include "calc/winding.h"

#include <cmath>
#include <complex>
#include <limits>

#include "refdata/physics.h"

namespace kelvara {

namespace {

using phys::kPi;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// Above this Δ the hyperbolic terms of Dowell's functions are 1 to double precision.
constexpr double kDeltaLarge = 40;
// The Kelvin-function series lose too many digits beyond this ξ.
constexpr double kXiLargest = 60;
constexpr double kCopperHotRise = 80;  // K above 20 °C: copper at 100 °C

bool Positive(double v) {
    return std::isfinite(v) && v > 0;
}

// Dowell's functions: ς1 = (sinh 2Δ + sin 2Δ)/(cosh 2Δ − cos 2Δ) and
// ς2 = (sinh Δ − sin Δ)/(cosh Δ + cos Δ); cosh 2Δ − cos 2Δ is written
// 2·sinh²Δ + 2·sin²Δ, which keeps its digits at small Δ.
double Sigma1(double D) {
    if (D > kDeltaLarge) return 1;
    const double sh = std::sinh(D);
    const double s = std::sin(D);
    return (std::sinh(2 * D) + std::sin(2 * D)) / (2 * (sh * sh) + 2 * (s * s));
}
double Sigma2(double D) {
    if (D > kDeltaLarge) return 1;
    return (std::sinh(D) - std::sin(D)) / (std::cosh(D) + std::cos(D));
}

// Bessel function of the first kind of order nu (0, 1, 2) of a complex
// argument, by its power series.
std::complex<double> BesselJ(int nu, std::complex<double> z) {
    const std::complex<double> half = z / 2.0;
    const std::complex<double> q = -(half * half);
    std::complex<double> term = 1;
    for (int i = 1; i <= nu; ++i) term = term * half / static_cast<double>(i);
    std::complex<double> sum = term;
    for (int k = 1; k < 400; ++k) {
        term = term * q / (static_cast<double>(k) * static_cast<double>(k + nu));
        sum += term;
        if (std::abs(term) < 1e-17 * std::abs(sum)) break;
    }
    return sum;
}

// ber, bei and their derivatives, and ber₂, bei₂ at x.
struct Kelvin {
    double ber, bei, berD, beiD, ber2, bei2;
};
Kelvin KelvinAt(double x) {
    const std::complex<double> rot = std::polar(1.0, 3 * kPi / 4);
    const std::complex<double> z = x * rot;
    const std::complex<double> j0 = BesselJ(0, z);
    const std::complex<double> d0 = -rot * BesselJ(1, z);  // d/dx J0(x·e^{3πi/4})
    const std::complex<double> j2 = BesselJ(2, z);
    return Kelvin{j0.real(), j0.imag(), d0.real(), d0.imag(), j2.real(), j2.imag()};
}

// The conductors of one turn in one layer and of the whole section, for the
// layer factors.
const Conductor& ConductorOf(const WindingSpec& s, int winding) {
    return winding == 1 ? s.primary : s.secondary;
}

// Turns of the section a layer belongs to, all carrying the same current: the
// MMF in units of N1·I1 times these turns over bw is the field per ampere.
double ReferenceTurns(const WindingSpec& s, int winding) {
    if (winding == 1) return s.N1;
    return s.centreTap ? 2 * s.N2 : s.N2;
}

// The round-wire factor of one layer with its fields a, b (units of N1·I1).
double RoundLayerFactor(const WindingBuild& b, const WindingLayer& l, const Conductor& c, double f,
                        bool commonMode) {
    const double delta = SkinDepthHot(f);
    // The equivalent foil: squares of the wire's copper area side by side.
    const double h = std::sqrt(kPi) / 2 * c.d;
    double eta = l.turns * c.count * h / b.bobbin.bw;
    if (commonMode) {
        // Two halves with opposite currents: two layers of half the fill, the
        // field of each rising from zero and back.
        eta = eta / 2;
        return DowellLayerFactor(h * std::sqrt(eta) / delta, 0, 1);
    }
    const double step = l.mmfOut - l.mmfIn;
    return DowellLayerFactor(h * std::sqrt(eta) / delta, l.mmfIn / step, l.mmfOut / step);
}

// The litz factor of one layer (Ferreira's skin and proximity functions of a
// round strand, Bartoli's sum of the fields): F_R + (π·n²·d²/2)·G_R·⟨H²⟩/I²,
// with ⟨H²⟩/I² the external field (N/bw)²·(a² + a·b + b²)/3 and the bundle's
// own 1/(2π²·D²). Its low-frequency limit is Sullivan's
// 1 + π²·n²·N²·d⁶/(192·δ⁴·bw²) for a winding in a field rising from zero.
double LitzLayerFactor(const WindingBuild& b, const WindingLayer& l, const Conductor& c, double f,
                       double N, bool commonMode) {
    const double delta = SkinDepthHot(f);
    const double xi = c.d / (std::sqrt(2.0) * delta);
    const double a = l.mmfIn, e = l.mmfOut;
    const double ratio = N / b.bobbin.bw;
    const double external = commonMode ? 0 : ratio * ratio * (a * a + a * e + e * e) / 3;
    const double internal = 1 / (2 * (kPi * kPi) * (c.outer * c.outer));
    return RoundSkinFactor(xi) + kPi * (c.count * c.count) * (c.d * c.d) / 2 *
                                     RoundProximityFactor(xi) * (external + internal);
}

// The factor of a winding: its layers' factors weighted by their turns (the
// DC resistance of a layer is proportional to its turns).
double WindingFactor(const WindingBuild& b, int winding, double f, bool commonMode) {
    if (!b.built || !b.fits || !Positive(f)) return kNaN;
    const Conductor& c = ConductorOf(b.spec, winding);
    const double N = ReferenceTurns(b.spec, winding);
    double weighted = 0, turns = 0;
    for (const WindingLayer& l : b.layers) {
        if (l.winding != winding) continue;
        const double F = c.litz ? LitzLayerFactor(b, l, c, f, N, commonMode)
                                : RoundLayerFactor(b, l, c, f, commonMode);
        weighted += l.turns * F;
        turns += l.turns;
    }
    return turns > 0 ? weighted / turns : kNaN;
}

// Lays one section's turns in layers from height y; returns the new height.
double LaySection(WindingBuild& b, int winding, double turns, double perLayer, double turnWidth,
                  double layerHeight, double mmfStep, double y, double& mmf) {
    double left = turns;
    while (left > 0) {
        const double inLayer = left < perLayer ? left : perLayer;
        WindingLayer l;
        l.winding = winding;
        l.x = 0;
        l.y = y;
        l.width = inLayer * turnWidth;
        l.height = layerHeight;
        l.turns = inLayer;
        l.mmfIn = mmf;
        mmf = mmf + inLayer * mmfStep;
        l.mmfOut = mmf;
        b.layers.push_back(l);
        y = y + layerHeight;
        left = left - inLayer;
    }
    return y;
}

}  // namespace

Bobbin BobbinOf(const CoreRecord& core) {
    Bobbin b;
    b.lw = Positive(core.lw) ? core.lw : 0;
    if (Positive(core.bw) && Positive(core.bh)) {
        b.bw = core.bw;
        b.bh = core.bh;
        return b;
    }
    const double w = std::sqrt(core.An / 3);
    b.bw = winding::kBobbinWidthShare * (3 * w);
    b.bh = winding::kBobbinHeightShare * w;
    b.estimated = true;
    return b;
}

Conductor RoundConductor(double d, double diz, double strands) {
    return Conductor{false, d, diz, strands};
}

Conductor LitzConductor(double d, double n, const WireTable& wires) {
    Conductor c{true, d, kNaN, n};
    if (!Positive(d) || !Positive(n) || wires.entries.empty()) return c;
    const WireEntry* next = &wires.entries.back();
    for (const WireEntry& e : wires.entries) {
        if (e.d >= d) {
            next = &e;
            break;
        }
    }
    const double strandOuter = d + (next->diz - next->d);
    c.outer = strandOuter * std::sqrt(n / winding::kLitzPacking);
    return c;
}

WindingBuild BuildWinding(const Bobbin& bobbin, const WindingSpec& spec) {
    WindingBuild b;
    b.bobbin = bobbin;
    b.spec = spec;
    const auto usable = [](const Conductor& c) {
        return Positive(c.d) && Positive(c.outer) && Positive(c.count) && c.count >= 1;
    };
    if (!Positive(bobbin.bw) || !Positive(bobbin.bh) || !usable(spec.primary) ||
        !usable(spec.secondary) || !(Positive(spec.N1) && spec.N1 >= 1) ||
        !(Positive(spec.N2) && spec.N2 >= 1)) {
        b.turnsPerLayer1 = b.turnsPerLayer2 = b.layers1 = b.layers2 = kNaN;
        b.height = b.heightFill = kNaN;
        return b;
    }
    b.built = true;
    // A litz turn is one bundle; a round-wire turn its wires side by side.
    const auto turnWidth = [](const Conductor& c) { return c.litz ? c.outer : c.count * c.outer; };
    const double width1 = turnWidth(spec.primary);
    const double width2 = turnWidth(spec.secondary);
    const double perLayer1 = std::floor(bobbin.bw / width1);
    const double perLayer2 = std::floor(bobbin.bw / width2);
    b.fits = perLayer1 >= 1 && perLayer2 >= 1;
    if (!b.fits) {
        b.turnsPerLayer1 = perLayer1 >= 1 ? perLayer1 : kNaN;
        b.turnsPerLayer2 = perLayer2 >= 1 ? perLayer2 : kNaN;
        b.layers1 = b.layers2 = kNaN;
        b.height = b.heightFill = kNaN;
        return b;
    }
    b.turnsPerLayer1 = perLayer1;
    b.turnsPerLayer2 = perLayer2;

    const double turns2 = spec.centreTap ? 2 * spec.N2 : spec.N2;
    const double firstPrimary = spec.interleaved ? std::ceil(spec.N1 / 2) : spec.N1;
    const double secondPrimary = spec.N1 - firstPrimary;
    b.layers1 = std::ceil(firstPrimary / perLayer1) + std::ceil(secondPrimary / perLayer1);
    b.layers2 = std::ceil(turns2 / perLayer2);
    if (b.layers1 + b.layers2 > winding::kMaxLayers) {
        const double tapes = secondPrimary > 0 ? 2 : 1;
        b.height = b.layers1 * spec.primary.outer + b.layers2 * spec.secondary.outer +
                   tapes * winding::kTapeThickness;
        b.heightFill = b.height / bobbin.bh;
        return b;
    }
    const double step1 = 1 / spec.N1;
    const double step2 = -1 / turns2;
    double mmf = 0;
    double y = LaySection(b, 1, firstPrimary, perLayer1, width1, spec.primary.outer, step1, 0, mmf);
    y = y + winding::kTapeThickness;
    y = LaySection(b, 2, turns2, perLayer2, width2, spec.secondary.outer, step2, y, mmf);
    if (secondPrimary > 0) {
        y = y + winding::kTapeThickness;
        y = LaySection(b, 1, secondPrimary, perLayer1, width1, spec.primary.outer, step1, y, mmf);
    }
    b.height = y;
    b.heightFill = y / bobbin.bh;
    return b;
}

double SkinDepthHot(double f) {
    const double rho =
        phys::kCopperResistivity20 * (1 + phys::kCopperTempCoefficient * kCopperHotRise);
    // ρ in Ω·mm, f in kHz and μ0 in nH/mm give δ² in units of 10⁻⁶ mm².
    return 1000 * std::sqrt(rho / (kPi * f * phys::kMu0));
}

double DowellFactor(double Delta, double m) {
    return Delta * (Sigma1(Delta) + 2.0 / 3.0 * (m * m - 1) * Sigma2(Delta));
}

double DowellLayerFactor(double Delta, double a, double b) {
    return Delta * (Sigma1(Delta) + 2 * a * b * Sigma2(Delta));
}

double RoundSkinFactor(double xi) {
    if (!(xi >= 0) || xi > kXiLargest) return kNaN;
    if (xi == 0) return 1;
    const Kelvin k = KelvinAt(xi);
    return xi / 2 * (k.ber * k.beiD - k.bei * k.berD) / (k.berD * k.berD + k.beiD * k.beiD);
}

double RoundProximityFactor(double xi) {
    if (!(xi >= 0) || xi > kXiLargest) return kNaN;
    if (xi == 0) return 0;
    const Kelvin k = KelvinAt(xi);
    return -2 * kPi * xi * (k.ber2 * k.berD + k.bei2 * k.beiD) / (k.ber * k.ber + k.bei * k.bei);
}

double SineFactor(const WindingBuild& b, int winding, double f) {
    return WindingFactor(b, winding, f, false);
}

double HalfWaveFactor(const WindingBuild& b, double f) {
    // Shares of the squared RMS current of a half-wave rectified sine of peak
    // 1: DC 1/π², fundamental 1/8, harmonic k (even) 2/(π²·(k²−1)²).
    const double pi2 = kPi * kPi;
    double weighted = 1 / pi2;  // DC: no AC factor
    double total = 1 / pi2;
    weighted += 0.125 * SineFactor(b, 2, f);
    total += 0.125;
    for (int k = 2; k <= winding::kHighestHarmonic; k += 2) {
        const double r = static_cast<double>(k) * static_cast<double>(k) - 1;
        const double share = 2 / (pi2 * (r * r));
        weighted += share * WindingFactor(b, 2, k * f, true);
        total += share;
    }
    return weighted / total;
}

double LeakageInductance(const WindingBuild& b, double MLT) {
    if (!b.built || !b.fits || b.layers.empty() || !Positive(MLT)) return kNaN;
    double sum = 0;
    for (size_t i = 0; i < b.layers.size(); ++i) {
        const WindingLayer& l = b.layers[i];
        const double a = l.mmfIn, e = l.mmfOut;
        sum += l.height * (a * a + a * e + e * e) / 3;
        // The tape between two windings, in the field left by the inner one.
        if (i + 1 < b.layers.size() && b.layers[i + 1].winding != l.winding) {
            sum += winding::kTapeThickness * (e * e);
        }
    }
    // μ0 in nH/mm: nH, then µH.
    return phys::kMu0 * (b.spec.N1 * b.spec.N1) * MLT / b.bobbin.bw * sum / 1000;
}

}  // namespace kelvara
