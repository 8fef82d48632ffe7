#include "calc/time_domain.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <limits>

#include "refdata/physics.h"

namespace kelvara {

namespace {

using phys::kPi;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kTwoPi = 2 * kPi;

// Bounds that keep every input from spinning.
constexpr int kMaxSegments = 96;           // state changes in one half period
constexpr double kMaxSegmentPhase = 2000;  // ω·τ of one segment, rad
constexpr int kMaxSettle = 8;              // state changes at one instant
constexpr int kRootIterations = 100;
constexpr int kMaxNewton = 30;
constexpr int kMaxWarmNewton = 10;  // from a neighbour's state
constexpr int kMaxStepHalvings = 6;
constexpr int kMaxHalvings = 12;
constexpr int kMaxRelax = 300;  // half periods of plain iteration when Newton fails
constexpr int kMaxScanSteps = 200;
constexpr int kMaxRefine = 80;
constexpr int kMaxGolden = 40;
// The Newton residual (scaled to currents) that counts as periodic.
constexpr double kPeriodTolerance = 1e-11;
// The operating frequency and the output voltage are found to this share.
constexpr double kCrossingTolerance = 1e-9;
// Scan of the operating frequency: each step lowers f by this factor.
constexpr double kScanRatio = 0.9;
// The scan ends past the gain peak, where the clamp voltage has fallen below
// this share of its highest value.
constexpr double kPastPeak = 0.9;
// The scan's highest clamp voltage is looked at closer when it comes within
// this share of the design's (a peak between two points of the scan).
constexpr double kNearMiss = 0.9;
// The relative step to the neighbours of a frequency whose solution stalls.
constexpr double kNeighbour = 1e-5;
// The clamp of a secondary short circuit, as a share of the design's.
constexpr double kShortClamp = 1e-3;
// An equivalent midpoint capacitance below this share of Cr swings at once.
constexpr double kInstantNodeShare = 1e-4;
// A rectifier that rests for less than this share of the half period counts as continuous.
constexpr double kRestShare = 1e-6;
// Sane magnitudes of the circuit's numbers (in µH, µF, µs, V) and of their ratios.
constexpr double kSmallest = 1e-9;
constexpr double kLargest = 1e9;
constexpr double kRatioLimit = 1e6;

// A function a·cos ωt + b·sin ωt + c + d·t of the time t within a segment.
struct Wave {
    double a = 0, b = 0, c = 0, d = 0, w = 0;
    double At(double t) const {
        const double x = w * t;
        return a * std::cos(x) + b * std::sin(x) + c + d * t;
    }
    double Slope(double t) const {
        const double x = w * t;
        return w * (b * std::cos(x) - a * std::sin(x)) + d;
    }
    double Scale(double tau) const {
        return std::abs(a) + std::abs(b) + std::abs(c) + std::abs(d) * tau;
    }
};

// Whether the wave starts at or below zero and goes down: its value, then its
// first, second and third derivatives at 0 decide.
bool StartsNegative(const Wave& e, double tau) {
    const double s0 = e.Scale(tau);
    const double e0 = e.a + e.c;
    if (e0 < -1e-12 * s0) return true;
    if (e0 > 1e-12 * s0) return false;
    const double r = std::abs(e.a) + std::abs(e.b);
    const double s1 = r * e.w + std::abs(e.d);
    const double e1 = e.b * e.w + e.d;
    if (e1 < -1e-9 * s1) return true;
    if (e1 > 1e-9 * s1) return false;
    const double s2 = r * e.w * e.w;
    const double e2 = -e.a * e.w * e.w;
    if (e2 < -1e-9 * s2) return true;
    if (e2 > 1e-9 * s2) return false;
    return -e.b < 0;
}

// Calls visit(t) for every stationary point of the wave in (0, tau), in
// order, until visit returns false. False when the segment is too long to
// look at (more than kMaxSegmentPhase radians).
template <class Visit>
bool ForEachStationary(const Wave& e, double tau, Visit&& visit) {
    const double r = std::hypot(e.a, e.b);
    if (!(e.w > 0) || !(r > 0)) return true;
    if (e.w * tau > kMaxSegmentPhase) return false;
    const double rho = -e.d / (e.w * r);
    if (!(rho >= -1 && rho <= 1)) return true;
    // w·(b·cos θ − a·sin θ) + d = 0  ⇔  r·cos(θ + φ) = −d/w with φ = atan2(a, b).
    const double phi = std::atan2(e.a, e.b);
    const double alpha = std::acos(rho);
    const double end = e.w * tau;
    for (double k = std::floor((phi - alpha) / kTwoPi);; k += 1) {
        const double first = -phi - alpha + kTwoPi * k;
        const double second = -phi + alpha + kTwoPi * k;
        if (first >= end) return true;
        if (first > 0 && !visit(first / e.w)) return true;
        if (second >= end) return true;
        if (second > 0 && !visit(second / e.w)) return true;
    }
}

// The root of a wave that falls through zero in [lo, hi] (e(lo) > 0 ≥ e(hi),
// monotone there): Newton's method kept inside the bracket.
double RefineRoot(const Wave& e, double lo, double hi, double elo, double ehi) {
    double t = lo + (hi - lo) * (elo / (elo - ehi));
    if (!(t > lo && t < hi)) t = 0.5 * (lo + hi);
    for (int i = 0; i < kRootIterations; ++i) {
        const double x = e.w * t;
        const double cs = std::cos(x);
        const double sn = std::sin(x);
        const double v = e.a * cs + e.b * sn + e.c + e.d * t;
        if (v > 0) {
            lo = t;
        } else {
            hi = t;
        }
        if (v == 0 || hi - lo <= 1e-15 * hi) return t;
        const double s = e.w * (e.b * cs - e.a * sn) + e.d;
        double next = s < 0 ? t - v / s : kNaN;
        if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
        // Newton's steps shrink quadratically: after one of a billionth of
        // the time the root is as good as a double holds it.
        if (std::abs(next - t) <= 1e-9 * hi) return next;
        t = next;
    }
    return t;
}

// The first instant in [0, tau] at which the wave falls to zero: 0 when it
// starts there going down, +∞ when it stays above zero, NaN when the segment
// cannot be looked at.
double FirstRoot(const Wave& e, double tau) {
    if (!(tau > 0)) return kInf;
    if (StartsNegative(e, tau)) return 0;
    // e(t) ≥ e(0) + e'(0)·t − (|a| + |b|)·ω²·t²/2, a parabola open downward:
    // positive at both ends means no root in between.
    const double e0 = e.a + e.c;
    const double e1 = e.b * e.w + e.d;
    const double s2 = (std::abs(e.a) + std::abs(e.b)) * e.w * e.w;
    if (e0 > 0 && e0 + e1 * tau - 0.5 * s2 * tau * tau > 0) return kInf;
    double tPrev = 0;
    double ePrev = e.At(0);
    // A wave that starts at zero goes up: its first monotone piece holds no root.
    bool skip = ePrev <= 1e-12 * e.Scale(tau);
    double root = kInf;
    const auto piece = [&](double t) {
        const double v = e.At(t);
        if (!skip && v <= 0) {
            root = ePrev <= 0 ? tPrev : RefineRoot(e, tPrev, t, ePrev, v);
            return false;
        }
        skip = false;
        tPrev = t;
        ePrev = v;
        return true;
    };
    if (!ForEachStationary(e, tau, piece)) return kNaN;
    if (root < kInf) return root;
    piece(tau);
    return root;
}

// The largest |value| of a wave over [0, tau].
double MaxAbs(const Wave& e, double tau) {
    double m = std::max(std::abs(e.At(0)), std::abs(e.At(tau)));
    ForEachStationary(e, tau, [&](double t) {
        m = std::max(m, std::abs(e.At(t)));
        return true;
    });
    return m;
}

// The state of the midpoint: a switch conducts, a body diode holds it at a
// rail, or it swings freely with the output capacitances.
enum Node : int { kOn, kLow, kHigh, kFree };

// The circuit at one frequency in µH, µF, µs, V and A.
struct Engine {
    double Lr = 0, Lm = 0, L2 = 0;   // L2 = Lr + Lm
    double Cr = 0, Ceq = 0, Cs = 0;  // Cs: Cr in series with Ceq
    double V = 0;                    // n·U2d
    double U = 0;                    // Uhb
    double n = 0;
    double k = 0;  // Lm/(Lr + Lm)
    double td = 0, T2 = 0;
    bool instant = false;  // the midpoint swings at once (no capacitance)
    double iScale = 0;     // a typical current, A
    double vScale = 0;     // a typical voltage, V

    double Omega(int rect, bool free) const {
        return 1 / std::sqrt((rect != 0 ? Lr : L2) * (free ? Cs : Cr));
    }
    double Impedance(int rect, bool free) const {
        return std::sqrt((rect != 0 ? Lr : L2) / (free ? Cs : Cr));
    }
};

bool Sane(double v) {
    return std::isfinite(v) && v >= kSmallest && v <= kLargest;
}

// The engine of a circuit at f kHz; false when the model cannot use them.
bool MakeEngine(const TdCircuit& c, double f, Engine& E) {
    if (!(std::isfinite(c.td) && c.td >= 0 && std::isfinite(c.Coss) && c.Coss >= 0)) return false;
    E.Lr = c.Lr;
    E.Lm = c.Lm;
    E.Cr = c.Cr * 1e-3;
    E.n = c.n;
    E.U = c.Uhb;
    E.V = c.n * c.U2d;
    E.td = c.td * 1e-3;
    E.T2 = 500 / f;
    if (!Sane(E.Lr) || !Sane(E.Lm) || !Sane(E.Cr) || !Sane(E.U) || !Sane(E.V) || !Sane(E.T2) ||
        !Sane(c.Uswing) || !Sane(c.n))
        return false;
    if (E.Lm / E.Lr > kRatioLimit || E.Lr / E.Lm > kRatioLimit) return false;
    if (E.V / E.U > kRatioLimit || E.U / E.V > kRatioLimit) return false;
    // Segments of at most kMaxSegmentPhase radians: the half period against
    // the Lr–Cr resonance, the dead time against the swing.
    const double wr = 1 / std::sqrt(E.Lr * E.Cr);
    if (!(wr * E.T2 < 0.1 * kMaxSegmentPhase)) return false;
    if (!(E.td < 0.9 * E.T2)) return false;
    E.L2 = E.Lr + E.Lm;
    E.k = E.Lm / E.L2;
    // The charge that swings the midpoint from rail to rail is 2·Coss·Uswing;
    // in the model it runs over 2·Uhb.
    E.Ceq = 2 * c.Coss * 1e-6 * c.Uswing / (2 * E.U);
    if (!std::isfinite(E.Ceq)) return false;
    if (E.Ceq > kLargest) return false;
    E.instant = E.Ceq < kInstantNodeShare * E.Cr;
    if (E.instant) E.Ceq = 0;
    E.Cs = E.instant ? E.Cr : E.Cr * E.Ceq / (E.Cr + E.Ceq);
    if (!E.instant && !(1 / std::sqrt(E.Lr * E.Cs) * E.td < 0.5 * kMaxSegmentPhase)) return false;
    E.vScale = std::max(E.U, E.V);
    E.iScale = E.vScale / std::sqrt(E.Lr / E.Cr);
    return true;
}

// One piece of the half period with constant topology.
struct Segment {
    double t0 = 0, tau = 0;
    double i0 = 0, w0 = 0, vc0 = 0, vab0 = 0, im0 = 0;
    int rect = 0;
    bool free = false;
    double w = 0, Z = 0, C = 0;
};

struct Recorder {
    std::vector<Segment> segments;
    std::vector<TdEvent> events;
};

struct Half {
    bool ok = false;
    TdState end;
    double secCharge = 0;  // ∫|iLr − iLm| dt over the half period, A·µs (primary side)
    double qDead = 0;      // ∫iLr dt over the dead time, A·µs
    double restTime = 0;   // time the rectifier rests, µs
    bool swingComplete = false;
};

// Simulates one half period from the low switch's turn-off.
class HalfPeriod {
  public:
    HalfPeriod(const Engine& E, Recorder* rec) : E_(E), rec_(rec) {}

    Half Run(const TdState& x0) {
        Half h;
        ir_ = x0.iLr;
        vc_ = x0.vCr;
        im_ = x0.iLm;
        if (!std::isfinite(ir_) || !std::isfinite(vc_) || !std::isfinite(im_)) return h;
        vab_ = -E_.U;
        node_ = kLow;
        rect_ = ir_ > im_ ? 1 : (ir_ < im_ ? -1 : 0);
        t_ = 0;
        dead_ = true;
        Note(TdEventKind::LowSwitchOff);
        Settle();
        for (int seg = 0;; ++seg) {
            if (dead_ && t_ >= E_.td) {
                SwitchOn(h);
                Settle();
                continue;
            }
            if (!dead_ && t_ >= E_.T2) break;
            if (seg >= kMaxSegments) return h;
            if (!Step(h)) return h;
        }
        h.end = {ir_, vc_, im_};
        h.ok = std::isfinite(ir_) && std::isfinite(vc_) && std::isfinite(im_) &&
               std::isfinite(h.secCharge) && std::isfinite(h.qDead);
        return h;
    }

  private:
    enum Event { kTime, kRectOff, kRectOnPlus, kRectOnMinus, kTop, kBottom, kClampEnd };

    void Note(TdEventKind kind) {
        if (rec_) rec_->events.push_back({t_, kind});
    }

    void SwitchOn(Half& h) {
        h.swingComplete = node_ == kHigh;
        vab_ = E_.U;
        node_ = kOn;
        dead_ = false;
        Note(TdEventKind::HighSwitchOn);
    }

    // The waves of the present state.
    struct Params {
        double w, Z, C;
        double w0;
    };
    Params Now() const {
        const bool free = node_ == kFree;
        Params p;
        p.w = E_.Omega(rect_, free);
        p.Z = E_.Impedance(rect_, free);
        p.C = 1 / (p.Z * p.w);
        p.w0 = vab_ - vc_ - rect_ * E_.V;
        return p;
    }
    // The secondary current (primary side) times the conducting polarity.
    Wave Secondary(const Params& p) const {
        return {rect_ * ir_, rect_ * p.w0 / p.Z, -rect_ * im_, -E_.V / E_.Lm, p.w};
    }
    // The clamp voltage less the magnetising voltage, for either polarity.
    Wave Headroom(const Params& p, int sign) const {
        return {-sign * E_.k * p.w0, sign * E_.k * p.Z * ir_, E_.V, 0, p.w};
    }
    // The distance of the swinging midpoint from its upper or lower rail.
    Wave ToTop(const Params& p) const {
        const double r = p.w0 * p.C / E_.Ceq;
        return {-r, ir_ / (p.w * E_.Ceq), E_.U - vab_ + r, 0, p.w};
    }
    Wave ToBottom(const Params& p) const {
        const double r = p.w0 * p.C / E_.Ceq;
        return {r, -ir_ / (p.w * E_.Ceq), vab_ + E_.U - r, 0, p.w};
    }
    // The primary current with a sign.
    Wave Current(const Params& p, double sign) const {
        return {sign * ir_, sign * p.w0 / p.Z, 0, 0, p.w};
    }

    // Makes the state consistent at the present instant: a body diode whose
    // current would reverse lets the midpoint go, a rectifier whose current
    // would reverse turns off, one whose clamp is reached turns on.
    void Settle() {
        for (int i = 0; i < kMaxSettle; ++i) {
            const Params p = Now();
            const double span = E_.T2;
            if (node_ == kLow && StartsNegative(Current(p, 1), span)) {
                Leave(kLow);
                continue;
            }
            if (node_ == kHigh && dead_ && StartsNegative(Current(p, -1), span)) {
                Leave(kHigh);
                continue;
            }
            if (node_ == kFree && StartsNegative(ToTop(p), span)) {
                Reach(kHigh);
                continue;
            }
            if (node_ == kFree && StartsNegative(ToBottom(p), span)) {
                Reach(kLow);
                continue;
            }
            if (rect_ != 0) {
                if (StartsNegative(Secondary(p), span)) {
                    RectifierOff();
                    continue;
                }
            } else if (StartsNegative(Headroom(p, 1), span)) {
                RectifierOn(1);
                continue;
            } else if (StartsNegative(Headroom(p, -1), span)) {
                RectifierOn(-1);
                continue;
            }
            break;
        }
    }

    void Leave(Node rail) {
        if (E_.instant) {
            node_ = rail == kLow ? kHigh : kLow;
            vab_ = rail == kLow ? E_.U : -E_.U;
            Note(rail == kLow ? TdEventKind::SwingStart : TdEventKind::SwingBack);
            Note(TdEventKind::SwingEnd);
        } else {
            node_ = kFree;
            Note(rail == kLow ? TdEventKind::SwingStart : TdEventKind::SwingBack);
        }
    }
    void Reach(Node rail) {
        node_ = rail;
        vab_ = rail == kHigh ? E_.U : -E_.U;
        Note(TdEventKind::SwingEnd);
    }
    void RectifierOff() {
        rect_ = 0;
        im_ = ir_;
        Note(TdEventKind::RectifierOff);
    }
    void RectifierOn(int sign) {
        rect_ = sign;
        Note(TdEventKind::RectifierOn);
    }

    // Runs the present state to its next event.
    bool Step(Half& h) {
        const Params p = Now();
        const double limit = (dead_ ? E_.td : E_.T2) - t_;
        double best = limit;
        Event which = kTime;
        bool ok = true;
        const auto consider = [&](const Wave& e, Event kind) {
            const double r = FirstRoot(e, best);
            if (std::isnan(r)) ok = false;
            if (r < best) {
                best = r;
                which = kind;
            }
        };
        if (rect_ != 0) {
            consider(Secondary(p), kRectOff);
        } else {
            consider(Headroom(p, 1), kRectOnPlus);
            consider(Headroom(p, -1), kRectOnMinus);
        }
        if (node_ == kFree) {
            consider(ToTop(p), kTop);
            consider(ToBottom(p), kBottom);
        } else if (node_ == kLow) {
            consider(Current(p, 1), kClampEnd);
        } else if (node_ == kHigh && dead_) {
            consider(Current(p, -1), kClampEnd);
        }
        if (!ok || !(best >= 0)) return false;
        Advance(p, best, h);
        switch (which) {
            case kTime:
                t_ = dead_ ? E_.td : E_.T2;
                break;
            case kRectOff:
                RectifierOff();
                break;
            case kRectOnPlus:
                RectifierOn(1);
                break;
            case kRectOnMinus:
                RectifierOn(-1);
                break;
            case kTop:
                Reach(kHigh);
                break;
            case kBottom:
                Reach(kLow);
                break;
            case kClampEnd:
                Leave(node_);
                break;
        }
        Settle();
        return true;
    }

    // Moves the state on by tau in the present topology.
    void Advance(const Params& p, double tau, Half& h) {
        if (rec_) {
            rec_->segments.push_back(
                {t_, tau, ir_, p.w0, vc_, vab_, im_, rect_, node_ == kFree, p.w, p.Z, p.C});
        }
        const double x = p.w * tau;
        const double cs = std::cos(x);
        const double sn = std::sin(x);
        const double i = ir_ * cs + (p.w0 / p.Z) * sn;
        const double q = (ir_ / p.w) * sn + p.w0 * p.C * (1 - cs);
        if (rect_ != 0) {
            h.secCharge += rect_ * q - rect_ * im_ * tau - E_.V * tau * tau / (2 * E_.Lm);
            im_ += rect_ * E_.V * tau / E_.Lm;
        } else {
            h.restTime += tau;
            im_ = i;
        }
        if (dead_) h.qDead += q;
        vc_ += q / E_.Cr;
        if (node_ == kFree) vab_ -= q / E_.Ceq;
        ir_ = i;
        t_ += tau;
    }

    const Engine& E_;
    Recorder* rec_;
    double ir_ = 0, vc_ = 0, im_ = 0, vab_ = 0, t_ = 0;
    int rect_ = 0;
    Node node_ = kLow;
    bool dead_ = true;
};

// --- The periodic steady state ---------------------------------------------
//
// Newton's unknowns and residuals are scaled to order one: currents by the
// engine's iScale, voltages by its vScale. The first three unknowns are the
// state when the low switch turns off; a fourth, when present, is the clamp
// voltage n·U2d, with a fourth equation on the mean rectified current.

using Vec = std::array<double, 4>;
using Mat = std::array<Vec, 4>;

double Norm(int dim, const Vec& g) {
    double m = 0;
    for (int i = 0; i < dim; ++i) m = std::max(m, std::abs(g[i]));
    return m;
}

// Solves J·dx = r in the first `dim` unknowns (partial pivoting); false when singular.
bool SolveLinear(int dim, Mat J, Vec r, Vec& dx) {
    for (int col = 0; col < dim; ++col) {
        int piv = col;
        for (int row = col + 1; row < dim; ++row)
            if (std::abs(J[row][col]) > std::abs(J[piv][col])) piv = row;
        if (!(std::abs(J[piv][col]) > 0)) return false;
        std::swap(J[col], J[piv]);
        std::swap(r[col], r[piv]);
        for (int row = col + 1; row < dim; ++row) {
            const double m = J[row][col] / J[col][col];
            for (int k = col; k < dim; ++k) J[row][k] -= m * J[col][k];
            r[row] -= m * r[col];
        }
    }
    for (int row = dim - 1; row >= 0; --row) {
        double s = r[row];
        for (int k = row + 1; k < dim; ++k) s -= J[row][k] * dx[k];
        dx[row] = s / J[row][row];
    }
    for (int i = 0; i < dim; ++i)
        if (!std::isfinite(dx[i])) return false;
    return true;
}

// The Jacobian of the residual, kept from one solve to the next: the steady
// states of neighbouring frequencies differ little, so Broyden's updates of
// the last Jacobian save most finite differences.
struct Jacobian {
    Mat J{};
    bool valid = false;
};

// Newton's method on residual(y) = 0 in `dim` unknowns: a finite-difference
// Jacobian, updated by Broyden's rule while the steps succeed, and a halving
// line search with a fresh one. `residual(y, g, half)` is false when the
// half period cannot be simulated.
template <class Residual>
bool Newton(int dim, const Residual& residual, Vec& y, Half& h, Jacobian& jac, int maxIterations) {
    Vec g{};
    if (!residual(y, g, h)) return false;
    for (int it = 0; it < maxIterations; ++it) {
        const double norm = Norm(dim, g);
        if (norm <= kPeriodTolerance) return true;
        bool fresh = false;
        if (!jac.valid) {
            for (int j = 0; j < dim; ++j) {
                Vec yp = y;
                const double step = 1e-7 * std::max(std::abs(y[j]), 1.0);
                yp[j] += step;
                Vec gp{};
                Half hp;
                if (!residual(yp, gp, hp)) return false;
                for (int i = 0; i < dim; ++i) jac.J[i][j] = (gp[i] - g[i]) / step;
            }
            jac.valid = true;
            fresh = true;
        }
        Vec dy{};
        Vec minus{};
        for (int i = 0; i < dim; ++i) minus[i] = -g[i];
        if (!SolveLinear(dim, jac.J, minus, dy)) {
            jac.valid = false;
            if (fresh) return false;
            continue;
        }
        double lambda = 1;
        bool accepted = false;
        for (int k = 0; k < (fresh ? kMaxHalvings : 1); ++k, lambda *= 0.5) {
            Vec step{}, yn = y;
            double ss = 0;
            for (int i = 0; i < dim; ++i) {
                step[i] = lambda * dy[i];
                yn[i] += step[i];
                ss += step[i] * step[i];
            }
            Vec gn{};
            Half hn;
            if (!residual(yn, gn, hn)) continue;
            // Broyden: J += ((gn − g) − J·step)·stepᵀ / (stepᵀ·step).
            if (ss > 0) {
                for (int i = 0; i < dim; ++i) {
                    double r = gn[i] - g[i];
                    for (int j = 0; j < dim; ++j) r -= jac.J[i][j] * step[j];
                    for (int j = 0; j < dim; ++j) jac.J[i][j] += r * step[j] / ss;
                }
            }
            if (Norm(dim, gn) < (fresh ? 1 - 1e-4 * lambda : 0.5) * norm) {
                y = yn;
                g = gn;
                h = hn;
                accepted = true;
                break;
            }
        }
        if (!accepted) {
            if (fresh) return false;
            jac.valid = false;
        }
    }
    return Norm(dim, g) <= kPeriodTolerance;
}

double MeanCurrent(const Engine& E, const Half& h) {
    return E.n * h.secCharge / E.T2;
}

// The half period from the scaled state y (with the clamp voltage y[3] when
// `withClamp`), its residual x(T/2) + x(0) in g[0..2].
bool HalfResidual(const Engine& base, const Vec& y, bool withClamp, Vec& g, Half& h, Engine& E) {
    E = base;
    if (withClamp) {
        E.V = y[3] * base.vScale;
        if (!(E.V > 0) || !(E.V < kRatioLimit * E.U)) return false;
    }
    const TdState x0{y[0] * E.iScale, y[1] * E.vScale, y[2] * E.iScale};
    HalfPeriod sim(E, nullptr);
    h = sim.Run(x0);
    if (!h.ok) return false;
    g[0] = (h.end.iLr + x0.iLr) / E.iScale;
    g[1] = (h.end.vCr + x0.vCr) / E.vScale;
    g[2] = (h.end.iLm + x0.iLm) / E.iScale;
    return true;
}

Vec Scaled(const Engine& E, const TdState& x, double V) {
    return {x.iLr / E.iScale, x.vCr / E.vScale, x.iLm / E.iScale, V / E.vScale};
}
TdState Unscaled(const Engine& E, const Vec& y) {
    return {y[0] * E.iScale, y[1] * E.vScale, y[2] * E.iScale};
}

// The first-harmonic solution at f kHz with the reflected load Re (Ω): the
// state when the low switch turns off, and the clamp voltage whose
// fundamental equals the magnetising voltage's.
struct Harmonic {
    TdState x;
    double V = 0;
};
Harmonic HarmonicGuess(const Engine& E, double f, double Re) {
    using C = std::complex<double>;
    const double w = kTwoPi * f * 1e-3;  // rad/µs
    // The midpoint's fundamental, centred on the middle of the dead time.
    const C v1 = std::polar(4 * E.U / kPi, -w * E.td / 2);
    const C zLm(0, w * E.Lm);
    const C zPar = Re > 0 ? zLm * Re / (zLm + Re) : zLm;
    const C z = C(0, w * E.Lr) + 1.0 / C(0, w * E.Cr) + zPar;
    const C i = v1 / z;
    const C vc = i / C(0, w * E.Cr);
    const C vp = i * zPar;
    const C im = vp / zLm;
    // v(t) = Im(V·e^{jωt}) at t = 0.
    Harmonic g;
    g.x = {i.imag(), vc.imag(), im.imag()};
    g.V = std::abs(vp) * kPi / 4;
    if (!std::isfinite(g.x.iLr) || !std::isfinite(g.x.vCr) || !std::isfinite(g.x.iLm))
        g.x = TdState{};
    if (!(g.V > 0 && g.V < kRatioLimit * E.U)) g.V = E.V;
    return g;
}

// The periodic steady state at the engine's clamp voltage from the scaled
// state y; with `cold`, a failed Newton's method is followed by plain
// iteration x ← −x(T/2) and Newton again.
bool SolvePlain(const Engine& E, Vec& y, Half& h, Jacobian& jac, bool cold) {
    const auto residual = [&](const Vec& v, Vec& g, Half& out) {
        Engine used;
        return HalfResidual(E, v, false, g, out, used);
    };
    if (Newton(3, residual, y, h, jac, cold ? kMaxNewton : kMaxWarmNewton)) return true;
    if (!cold) return false;
    jac.valid = false;
    for (int i = 0; i < kMaxRelax; ++i) {
        HalfPeriod sim(E, nullptr);
        const Half r = sim.Run(Unscaled(E, y));
        if (!r.ok) return false;
        y[0] = -r.end.iLr / E.iScale;
        y[1] = -r.end.vCr / E.vScale;
        y[2] = -r.end.iLm / E.iScale;
    }
    return Newton(3, residual, y, h, jac, kMaxNewton);
}

// The load the clamp voltage is solved against: a current source (the mean
// rectified current equals I), or a resistance R at the output with the
// diode drop `drop` (the mean current equals (V/n − drop)/R).
struct Load {
    double I = 0;
    double R = 0;
    double drop = 0;
    double Target(const Engine& E, double V) const { return R > 0 ? (V / E.n - drop) / R : I; }
};

// The periodic steady state and the clamp voltage that make the mean
// rectified current meet the load, from the scaled guess y.
bool SolveClamp(const Engine& E, const Load& load, Vec& y, Half& h, Jacobian& jac, bool cold) {
    const auto residual = [&](const Vec& v, Vec& g, Half& out) {
        Engine used;
        if (!HalfResidual(E, v, true, g, out, used)) return false;
        g[3] = (MeanCurrent(used, out) - load.Target(used, used.V)) / (E.n * E.iScale);
        return std::isfinite(g[3]);
    };
    if (Newton(4, residual, y, h, jac, cold ? kMaxNewton : kMaxWarmNewton)) return true;
    if (!cold) return false;
    // From the steady state at the guessed clamp voltage.
    Engine fixed = E;
    fixed.V = y[3] * E.vScale;
    if (!(fixed.V > 0 && fixed.V < kRatioLimit * E.U)) return false;
    Jacobian plain;
    if (!SolvePlain(fixed, y, h, plain, true)) return false;
    jac.valid = false;
    return Newton(4, residual, y, h, jac, kMaxNewton);
}

// The reflected load of a load current I at the clamp voltage V (Ω).
double ReflectedLoad(const Engine& E, double V, double I) {
    const double Re = 8 * E.n * (V / I) / (kPi * kPi);
    return std::isfinite(Re) && Re > 0 ? Re : std::sqrt(E.Lr / E.Cr);
}

}  // namespace

TdPeriod SolveTdPeriod(const TdCircuit& c, double f, const TdState* guess) {
    TdPeriod out;
    out.f = f;
    Engine E;
    if (!(f > 0) || !MakeEngine(c, f, E)) return out;
    Jacobian jac;
    Half h;
    Vec y{};
    bool ok = false;
    if (guess) {
        y = Scaled(E, *guess, E.V);
        ok = SolvePlain(E, y, h, jac, false);
    }
    if (!ok) {
        y = Scaled(E, HarmonicGuess(E, f, std::sqrt(E.Lr / E.Cr)).x, E.V);
        jac.valid = false;
        ok = SolvePlain(E, y, h, jac, true);
    }
    if (!ok) return out;
    out.solved = true;
    out.start = Unscaled(E, y);
    out.iOut = MeanCurrent(E, h);
    return out;
}

namespace {

// A frequency of the search: the scaled state and the clamp voltage at which
// the mean rectified current equals the load current; V = 0 (and no state)
// where the tank cannot drive that current even into a short circuit.
struct Point {
    double f = 0;
    Vec y{};
    double V = 0;
    bool solid = false;  // y and V were solved
};

// Clamp voltages of one circuit at many frequencies, each solve started from
// a neighbour's state and Jacobian.
class ClampCurve {
  public:
    ClampCurve(const TdCircuit& c, double I) : c_(c), I_(I) {}

    // The clamp voltage at f, coming from `from` (a solved neighbour, or
    // null for a cold start) with the guess y: a step too long for Newton's
    // method is shortened toward the neighbour (p then lies between the
    // two); a cold start is the last resort. False when the model fails.
    bool Sample(const Point* from, double f, const Vec& y, Point& p) {
        if (from && from->solid) {
            double fTry = f;
            for (int i = 0; i < kMaxStepHalvings; ++i) {
                if (At(fTry, i == 0 ? &y : &from->y, p)) return true;
                fTry = 0.5 * (fTry + from->f);
            }
        }
        if (At(f, nullptr, p)) return true;
        // No clamp voltage found: does the tank drive the load current at all?
        TdCircuit shorted = c_;
        shorted.U2d = kShortClamp * c_.U2d;
        Engine E;
        if (!MakeEngine(shorted, f, E)) return false;
        Vec ys = Scaled(E, HarmonicGuess(E, f, 0).x, E.V);
        Half h;
        Jacobian jac;
        if (!SolvePlain(E, ys, h, jac, true) || !(MeanCurrent(E, h) < I_)) return false;
        p = Point{};
        p.f = f;
        return true;
    }

  private:
    // Solves at f from the scaled guess y (cold: from the first harmonic).
    bool At(double f, const Vec* guess, Point& p) {
        Engine E;
        if (!MakeEngine(c_, f, E)) return false;
        Half h;
        Vec y{};
        if (guess) {
            y = *guess;
        } else {
            const Harmonic g = HarmonicGuess(E, f, ReflectedLoad(E, E.V, I_));
            y = Scaled(E, g.x, g.V);
            jac_.valid = false;
        }
        if (!SolveClamp(E, Load{I_, 0, 0}, y, h, jac_, guess == nullptr)) return false;
        p.f = f;
        p.y = y;
        p.V = y[3] * E.vScale;
        p.solid = true;
        return std::isfinite(p.V);
    }

    TdCircuit c_;
    double I_;
    Jacobian jac_;
};

// The guess at f from two points (a straight line in f), or from the solid one.
Vec Between(const Point& a, const Point& b, double f) {
    if (!a.solid) return b.y;
    if (!b.solid) return a.y;
    Vec y = a.y;
    const double r = (f - a.f) / (b.f - a.f);
    for (int k = 0; k < 4; ++k) y[k] += r * (b.y[k] - a.y[k]);
    return y;
}

// The frequency in (lo.f, hi.f) at which the clamp voltage of the load
// current equals `target` (lo.V ≥ target > hi.V), by the Illinois form of
// regula falsi.
bool RefineCrossing(ClampCurve& s, double target, Point lo, Point hi, Point& out) {
    double ga = lo.V - target;
    double gb = hi.V - target;
    int side = 0;
    for (int i = 0; i < kMaxRefine; ++i) {
        double f = (lo.f * gb - hi.f * ga) / (gb - ga);
        if (!(f > lo.f && f < hi.f)) f = 0.5 * (lo.f + hi.f);
        const bool nearLo = !hi.solid || f - lo.f < hi.f - f;
        const Point& near = nearLo ? lo : hi;
        const Point& far = nearLo ? hi : lo;
        Point p;
        if (!s.Sample(&near, f, Between(near, far, f), p)) return false;
        const double g = p.V - target;
        if (g >= 0) {
            lo = p;
            ga = g;
            if (side == -1) gb *= 0.5;
            side = -1;
        } else {
            hi = p;
            gb = g;
            if (side == 1) ga *= 0.5;
            side = 1;
        }
        if (std::abs(g) <= kCrossingTolerance * target || hi.f - lo.f <= kCrossingTolerance * hi.f)
            break;
    }
    out = std::abs(ga) <= std::abs(gb) || !hi.solid ? lo : hi;
    return true;
}

// Everything the check reports about a solved period.
void Analyse(const TdCircuit& c, const TdDesign& d, const Engine& E, const TdState& x,
             TdCorner& k) {
    Recorder rec;
    HalfPeriod sim(E, &rec);
    const Half h = sim.Run(x);
    if (!h.ok) {
        k.solved = false;
        return;
    }
    // Gauss–Legendre nodes and weights on [-1, 1] (8 points).
    static constexpr std::array<double, 8> kX = {
        -0.9602898564975363, -0.7966664774136267, -0.5255324099163290, -0.1834346424956498,
        0.1834346424956498,  0.5255324099163290,  0.7966664774136267,  0.9602898564975363};
    static constexpr std::array<double, 8> kW = {
        0.1012285362903763, 0.2223810344533745, 0.3137066458778873, 0.3626837833783620,
        0.3626837833783620, 0.3137066458778873, 0.2223810344533745, 0.1012285362903763};
    double i1Sq = 0, secSq = 0;
    double i1Peak = 0, imPeak = 0, vcPeak = 0;
    for (const Segment& s : rec.segments) {
        const Wave i{s.i0, s.w0 / s.Z, 0, 0, s.w};
        const Wave vc{-s.w0 * s.C / E.Cr, s.i0 / (s.w * E.Cr), s.vc0 + s.w0 * s.C / E.Cr, 0, s.w};
        const Wave sec{s.rect * s.i0, s.rect * s.w0 / s.Z, -s.rect * s.im0, -E.V / E.Lm, s.w};
        i1Peak = std::max(i1Peak, MaxAbs(i, s.tau));
        vcPeak = std::max(vcPeak, MaxAbs(vc, s.tau));
        if (s.rect != 0) {
            imPeak =
                std::max({imPeak, std::abs(s.im0), std::abs(s.im0 + s.rect * E.V * s.tau / E.Lm)});
        } else {
            imPeak = std::max(imPeak, MaxAbs(i, s.tau));
        }
        // Quadrature on pieces of at most one radian.
        const int pieces = std::min(4096, 1 + static_cast<int>(s.w * s.tau));
        const double len = s.tau / pieces;
        for (int p = 0; p < pieces; ++p) {
            const double mid = (p + 0.5) * len;
            for (size_t g = 0; g < kX.size(); ++g) {
                const double t = mid + 0.5 * len * kX[g];
                const double wt = 0.5 * len * kW[g];
                const double iv = i.At(t);
                i1Sq += wt * iv * iv;
                if (s.rect != 0) {
                    const double sv = sec.At(t);
                    secSq += wt * sv * sv;
                }
            }
        }
    }
    const double T = 2 * E.T2;
    k.iOff = h.end.iLr;
    k.i1Rms = std::sqrt(2 * i1Sq / T);
    k.i1Peak = i1Peak;
    k.imPeak = imPeak;
    k.vCrPeak = vcPeak;
    // Over the whole period each half winding of a centre tap carries one
    // polarity, the one winding of a bridge both.
    const double windingShare = d.bridge ? 2 : 1;
    k.i2Rms = E.n * std::sqrt(windingShare * secSq / T);
    // The magnetising volt-seconds of the half period: B = Lm·Im,peak/(N1·Ae)
    // (µH·A/mm² = T).
    k.B = Sane(d.N1) && Sane(d.Ae) ? E.Lm * imPeak / (d.N1 * d.Ae) : kNaN;
    k.continuous = h.restTime <= kRestShare * E.T2;
    const double wr = 1 / std::sqrt(E.Lr * E.Cr);
    k.aboveResonance = kTwoPi * k.f * 1e-3 >= wr;
    k.swingComplete = h.swingComplete;
    // The charge the primary current takes out of the midpoint in the dead
    // time, against the charge the swing needs.
    const double need = 2 * c.Coss * 1e-6 * c.Uswing;
    k.margin = need > 0 ? -h.qDead / need - 1 : kNaN;
}

}  // namespace

TdDesign TdDesignOf(const DesignResults& r, int32_t vypr, double Ae, double tdNs, double cossPf) {
    TdDesign d;
    d.Fr = r.Fr;
    d.Lr = r.Lr;
    d.Cr = r.Cr;
    d.Lm = r.Lm;
    d.N1 = r.N1;
    d.N2 = r.N2;
    d.U2d = r.U2d;
    d.Uout = r.Uout;
    d.I2 = r.I2;
    d.Ae = Ae;
    d.bridge = vypr == 2;
    d.td = tdNs;
    d.Coss = cossPf;
    return d;
}

TdCircuit TdCornerCircuit(const TdDesign& d, double Uhb, double Udc) {
    TdCircuit c;
    c.Lr = d.Lr;
    c.Cr = d.Cr;
    c.Lm = d.Lm;
    c.n = d.N1 / d.N2;
    c.U2d = d.U2d;
    c.Uhb = Uhb;
    c.Uswing = Udc;
    c.td = d.td;
    c.Coss = d.Coss;
    return c;
}

TdCorner SolveTdCorner(const TdDesign& d, double Uhb, double Udc) {
    TdCorner k;
    const TdCircuit c = TdCornerCircuit(d, Uhb, Udc);
    if (!Sane(d.Fr) || !Sane(d.I2)) return k;
    // The clamp voltage at which the load current flows, against the design's.
    const double target = c.n * c.U2d;
    ClampCurve s(c, d.I2);
    const double fHigh = kTdSearchHigh * d.Fr;
    const double fLow = kTdSearchLow * d.Fr;

    Point prev;
    if (!s.Sample(nullptr, fHigh, Vec{}, prev)) return k;
    k.solved = true;
    if (prev.V >= target) {
        k.tooMuch = true;
        return k;
    }
    // Down from 2·Fr in steps of kScanRatio to the first frequency whose
    // clamp voltage reaches the design's: the gain at full load rises as the
    // frequency falls, up to its peak. Once it has fallen past the peak by a
    // tenth the search ends.
    Point older = prev;
    Point best = prev, bestUpper = prev, bestLower = prev;
    Point lo, hi;
    bool bracketed = false;
    for (int step = 0; step < kMaxScanSteps; ++step) {
        const double f = std::max(prev.f * kScanRatio, fLow);
        Point p;
        if (!s.Sample(&prev, f, step > 0 ? Between(older, prev, f) : prev.y, p)) {
            k.solved = false;
            return k;
        }
        if (p.V >= target) {
            lo = p;
            hi = prev;
            bracketed = true;
            break;
        }
        if (best.f == prev.f) bestLower = p;
        if (p.V > best.V) {
            best = p;
            bestUpper = prev;
            bestLower = p;
        }
        older = prev;
        prev = p;
        if (p.f <= fLow || p.V < kPastPeak * best.V) break;
    }
    if (!bracketed && best.solid && best.f < fHigh && best.V >= kNearMiss * target) {
        // No point of the scan reached it: look closer at the highest clamp
        // voltage of the scan, between its neighbours (golden section).
        double a = bestLower.f < best.f ? bestLower.f : std::max(best.f * kScanRatio, fLow);
        double b = bestUpper.f;
        const double g = 0.5 * (std::sqrt(5.0) - 1);
        Point m1, m2;
        if (!s.Sample(&best, b - g * (b - a), best.y, m1) ||
            !s.Sample(&best, a + g * (b - a), best.y, m2)) {
            k.solved = false;
            return k;
        }
        for (int i = 0; i < kMaxGolden; ++i) {
            if (m1.V >= target || m2.V >= target) {
                // The first crossing coming down lies above the higher such point.
                lo = m2.V >= target ? m2 : m1;
                hi = bestUpper;
                bracketed = true;
                break;
            }
            if (b - a <= 1e-6 * b) break;
            if (m1.V > m2.V) {
                b = m2.f;
                m2 = m1;
                if (!s.Sample(&m2, b - g * (b - a), m2.y, m1)) {
                    k.solved = false;
                    return k;
                }
            } else {
                a = m1.f;
                m1 = m2;
                if (!s.Sample(&m1, a + g * (b - a), m1.y, m2)) {
                    k.solved = false;
                    return k;
                }
            }
        }
    }
    if (!bracketed) return k;
    Point crossing;
    if (!RefineCrossing(s, target, lo, hi, crossing) || !crossing.solid) {
        k.solved = false;
        return k;
    }
    // The steady state at that frequency with the design's own clamp voltage.
    Engine E;
    Jacobian jac;
    Half h;
    Vec y = crossing.y;
    if (!MakeEngine(c, crossing.f, E) || !SolvePlain(E, y, h, jac, false)) {
        k.solved = false;
        return k;
    }
    k.found = true;
    k.f = crossing.f;
    k.period.solved = true;
    k.period.f = k.f;
    k.period.start = Unscaled(E, y);
    k.period.iOut = MeanCurrent(E, h);
    Analyse(c, d, E, k.period.start, k);
    if (!k.solved) k.found = false;
    return k;
}

namespace {

double OutputVoltageAt(const TdDesign& d, double Uhb, double Udc, double f) {
    const double R = d.Uout / d.I2;
    const double drop = d.U2d - d.Uout;
    const TdCircuit c = TdCornerCircuit(d, Uhb, Udc);
    Engine E;
    if (!MakeEngine(c, f, E)) return kNaN;
    const Harmonic g = HarmonicGuess(E, f, 8 * (E.n * E.n) * R / (kPi * kPi));
    Vec y = Scaled(E, g.x, g.V);
    Jacobian jac;
    Half h;
    if (!SolveClamp(E, Load{0, R, drop}, y, h, jac, true)) return kNaN;
    const double u = y[3] * E.vScale / E.n - drop;
    return std::isfinite(u) ? u : kNaN;
}

}  // namespace

double TdOutputVoltage(const TdDesign& d, double Uhb, double Udc, double f) {
    if (!Sane(d.Uout) || !Sane(d.I2) || !(d.U2d >= d.Uout) || !std::isfinite(f) || !(f > 0))
        return kNaN;
    const double u = OutputVoltageAt(d, Uhb, Udc, f);
    if (std::isfinite(u)) return u;
    // Where the solution sits exactly on a boundary between conduction states
    // (at Fr with no dead time the secondary current ends exactly at T/2)
    // Newton's method can stall on the kink: the output voltage is continuous
    // in f, so the mean of its neighbours a hundred-thousandth away is taken.
    const double below = OutputVoltageAt(d, Uhb, Udc, f * (1 - kNeighbour));
    const double above = OutputVoltageAt(d, Uhb, Udc, f * (1 + kNeighbour));
    return std::isfinite(below) && std::isfinite(above) ? 0.5 * (below + above) : kNaN;
}

TdWaveform SampleTdWaveform(const TdCircuit& c, const TdPeriod& p, int M) {
    TdWaveform wf;
    Engine E;
    if (!p.solved || M < 2 || M > 1000000 || !MakeEngine(c, p.f, E)) return wf;
    Recorder rec;
    HalfPeriod sim(E, &rec);
    const Half h = sim.Run(p.start);
    if (!h.ok || rec.segments.empty()) return wf;
    const auto n = static_cast<size_t>(M);
    wf.t.resize(n);
    wf.vMid.resize(n);
    wf.iLr.resize(n);
    wf.iLm.resize(n);
    wf.vCr.resize(n);
    wf.iSec.resize(n);
    const double T = 2 * E.T2;
    size_t seg = 0;
    size_t segSecond = 0;
    for (size_t j = 0; j < n; ++j) {
        const double t = T * static_cast<double>(j) / M;
        const bool second = t >= E.T2;
        const double local = second ? t - E.T2 : t;
        size_t& s = second ? segSecond : seg;
        while (s + 1 < rec.segments.size() && rec.segments[s + 1].t0 <= local) ++s;
        const Segment& g = rec.segments[s];
        const double u = std::min(local - g.t0, g.tau);
        const double x = g.w * u;
        const double cs = std::cos(x);
        const double sn = std::sin(x);
        const double i = g.i0 * cs + (g.w0 / g.Z) * sn;
        const double q = (g.i0 / g.w) * sn + g.w0 * g.C * (1 - cs);
        const double im = g.rect != 0 ? g.im0 + g.rect * E.V * u / E.Lm : i;
        const double vc = g.vc0 + q / E.Cr;
        const double vab = g.free ? g.vab0 - q / E.Ceq : g.vab0;
        const double sign = second ? -1 : 1;
        wf.t[j] = t;
        wf.vMid[j] = E.U + sign * vab;
        wf.iLr[j] = sign * i;
        wf.iLm[j] = sign * im;
        wf.vCr[j] = sign * vc;
        wf.iSec[j] = E.n * std::abs(i - im);
    }
    // The second half repeats the first with the switches' roles exchanged.
    for (const TdEvent& e : rec.events) wf.events.push_back(e);
    for (const TdEvent& e : rec.events) {
        TdEventKind kind = e.kind;
        if (kind == TdEventKind::LowSwitchOff)
            kind = TdEventKind::HighSwitchOff;
        else if (kind == TdEventKind::HighSwitchOn)
            kind = TdEventKind::LowSwitchOn;
        wf.events.push_back({e.t + E.T2, kind});
    }
    return wf;
}

}  // namespace kelvara
