#!/usr/bin/env python3
"""Independent double-precision re-computation of the design check for the
test core, material and wire table of calculate_test.cpp. The expected numbers
and statuses in the design check tests were produced by this script
(python3 reference_check.py, or --json for the same as JSON), not by the C++
code under test.

The finished design is the one of reference_design.run(); the check looks at it
at its two operating corners (fMin at the lowest supply, fMax at the highest).
Arithmetic runs left to right as written and a square is the value times
itself, as in the C++ code, so that the doubles agree to the last bit."""
import json
import math
import sys

import reference_design as rd

PI = math.pi
RHO = 1.724e-5 * (1 + 0.00393 * 80)  # copper at 100 °C, Ω·mm
BMAX_MT = 390.0  # the test material's saturation flux density at 100 °C, mT
FILL_LIMIT = 0.3


def known(v):
    """v when it is a finite number, else None (shown as null)."""
    if v is None or isinstance(v, bool):
        return v
    return v if math.isfinite(v) else None


def div(a, b):
    """a / b, None when either is unknown; a non-finite quotient is unknown."""
    if a is None or b is None:
        return None
    if b == 0:
        return None
    return known(a / b)


# ---- first-harmonic tank -------------------------------------------------

def h(x, k, q):
    """Imaginary part of the tank's input impedance over sqrt(Lr/Cr)."""
    t = x * k * q
    return (x - 1 / x) + (x * k) / (1 + t * t)


def zero_phase(k, q):
    """The highest x below 1 at which the full-load input impedance has zero
    phase: a 0.001 grid from x = 1 down, then a hundred bisections."""
    if not (math.isfinite(k) and math.isfinite(q) and k > 0 and q > 0):
        return None
    for i in range(1000):
        x = 1 - 0.001 * i
        if h(x, k, q) <= 0:
            lo, hi = x, x + 0.001
            for _ in range(100):
                mid = (lo + hi) / 2
                if h(mid, k, q) <= 0:
                    lo = mid
                else:
                    hi = mid
            return (lo + hi) / 2
    return None


# ---- core ------------------------------------------------------------------

def loss(f, B):
    """Core loss in W by the calculation's interpolation; None when one of the
    four table corners it uses has no data (0) or f, B are unknown."""
    if f is None or B is None:
        return None
    i = rd.interval(f, rd.F_PTS)
    j = rd.interval(B, rd.B_PTS)
    corners = (rd.LOSS[i][j], rd.LOSS[i][j + 1], rd.LOSS[i + 1][j], rd.LOSS[i + 1][j + 1])
    if any(not (c > 0) for c in corners):
        return None
    return known(rd.core_loss(f, B))


def rth_formula(Ve):
    """Still-air thermal resistance of a core set, K/W, Ve in cm³."""
    return 53 * math.pow(Ve, -0.54)


# ---- the check -------------------------------------------------------------

def design_check(over, rth_db=0.0, bmax_mt=BMAX_MT, square_leg=True):
    """The rows of the design check of the run with the given overrides:
    a list of (key, status, [(name, number), ...]) and the run's own values.
    rth_db: the core database's Rth (0: none); bmax_mt: the material's Bmax;
    square_leg: an E or EI core (the test core is an E core)."""
    out = rd.run(**over)
    r = out["_"]
    p = dict(rd.DEFAULT, **over)
    core = rd.CORE
    Ae, An, Ve = core["Ae"], core["An"], core["Ve"]

    Fr, kL, Bm = r["Fr"], r["kL"], r["Bm"]
    N1, N2, N1min = r["N1"], r["N2"], r["N1min"]
    U2d, I2, I2w = r["U2d"], r["I2"], r["I2w"]
    n = N1 / N2
    nDesign = r["UhbMax"] / U2d
    Lr, Lm, Cr = r["Lr"], r["Lm"], r["Cr"]
    Qact, kLact = r["Qact"], r["kLact"]
    mreq_min = r["mmin"]
    xMin, xMax, xPeak = r["xmin"], r["xmax"], r["xpeak"]
    fMin = xMin * Fr if xMin is not None else None
    fMax = xMax * Fr if xMax is not None else None

    def B(f):
        if f is None:
            return None
        return known(0.5 * (n * U2d) * 500 / (N1 * Ae * f))

    def Im(f):
        if f is None:
            return None
        return known(U2d * n / (4 * f * Lm) * 1000)

    Ip = known(PI * I2 / (2 * n))

    def I1(f):
        im = Im(f)
        if im is None or Ip is None:
            return None
        return known(math.sqrt((Ip * Ip + im * im) / 2))

    rows = []

    def row(key, status, *numbers):
        rows.append((key, status, [(k, known(v)) for k, v in numbers]))

    def unknown_if_missing(status_fn, *needed):
        if any(v is None for v in needed):
            return "unknown"
        return status_fn()

    # ratio
    dev = known(n / nDesign - 1)
    row("ratio", unknown_if_missing(lambda: "warning" if abs(dev) > 0.05 else "ok", dev),
        ("n", n), ("nDesign", nDesign), ("deviation", dev))

    # kl
    dev = known(kLact / kL - 1)
    al_for_kl = known(1000 * kL * Lr / (N1 * N1))
    row("kl", unknown_if_missing(lambda: "warning" if abs(dev) > 0.20 else "ok", dev),
        ("kL", kL), ("kLact", kLact), ("deviation", dev), ("N1", N1), ("ALforKl", al_for_kl))

    # gap
    al_mode = p["yes_al"] == 1
    value, required = r["zazor"], r["gapReq"]
    ratio = div(required, value) if al_mode else div(value, required)
    row("gap", unknown_if_missing(lambda: "warning" if ratio > 2 else "ok", ratio),
        ("value", value), ("required", required), ("ratio", ratio), ("alMode", al_mode))

    # gain
    peak = known(rd.gain(xPeak, Qact, kLact)) if xPeak is not None else None
    margin = div(peak, mreq_min)
    margin = known(margin - 1) if margin is not None else None
    if xMin is None:
        status = "error"
    else:
        status = unknown_if_missing(lambda: "warning" if margin < 0.10 else "ok", margin)
    row("gain", status, ("peakGain", peak), ("required", mreq_min), ("margin", margin))

    # zvs
    xZp = zero_phase(kLact, Qact)
    fZp = known(xZp * Fr) if xZp is not None else None
    zmargin = div(xMin, xZp)
    zmargin = known(zmargin - 1) if zmargin is not None else None
    if xZp is None or xMin is None:
        status = "unknown"
    elif xMin <= xZp:
        status = "error"
    else:
        status = unknown_if_missing(lambda: "warning" if zmargin < 0.05 else "ok", zmargin)
    row("zvs", status, ("xZeroPhase", xZp), ("fZeroPhase", fZp), ("fMin", fMin),
        ("margin", zmargin))

    # fctl
    fCtl = xPeak * Fr if xPeak is not None else None
    row("fctl", unknown_if_missing(lambda: "ok", fCtl, fZp), ("fCtl", fCtl), ("fZeroPhase", fZp))

    # bfr
    BmAct = r["BmAct"]
    row("bfr", unknown_if_missing(lambda: "warning" if BmAct > 1.05 * Bm else "ok", BmAct, Bm),
        ("BmAct", BmAct), ("Bm", Bm), ("N1", N1), ("N1min", N1min))

    # bpk
    Bsat = bmax_mt / 1000 if (math.isfinite(bmax_mt) and bmax_mt != 0) else None
    Bpk = B(fMin)

    def bpk_status():
        if Bpk >= Bsat:
            return "error"
        return "warning" if Bpk > 0.8 * Bsat else "ok"
    row("bpk", unknown_if_missing(bpk_status, Bpk, Bsat), ("B", Bpk), ("Bsat", Bsat))

    # pcore
    p_min, p_max = loss(fMin, B(fMin)), loss(fMax, B(fMax))
    row("pcore", unknown_if_missing(lambda: "ok", p_min, p_max),
        ("atFMin", p_min), ("atFMax", p_max))

    # currents
    cur = [("Ip", Ip), ("ImAtFMin", Im(fMin)), ("I1AtFMin", I1(fMin)),
           ("I1AtFMax", I1(fMax)), ("I1AtFr", I1(Fr))]
    row("currents", unknown_if_missing(lambda: "ok", *[v for _, v in cur]), *cur)

    # vcr
    im_min = Im(fMin)
    amp = None
    if fMin is not None and im_min is not None:
        amp = known(math.sqrt(Ip * Ip + im_min * im_min) * 1e6 / (2 * PI * fMin * Cr))
    rms = I1(fMin)
    row("vcr", unknown_if_missing(lambda: "ok", amp, rms), ("amplitude", amp), ("rms", rms))

    # copper
    P = 4 * math.sqrt(Ae) if square_leg else 2 * math.sqrt(PI * Ae)
    w = math.sqrt(An / 3)
    MLT = P + PI * w
    wires_chosen = True  # the test wire table is never empty
    R1 = known(RHO * N1 * MLT / (r["strands1"] * r["Aeff1"])) if wires_chosen else None
    R2 = known(RHO * N2 * MLT / (r["strands2"] * r["Aeff2"])) if wires_chosen else None
    i1_min = I1(fMin)
    P1 = known(i1_min * i1_min * R1) if (i1_min is not None and R1 is not None) else None
    m = 2 if p["vypr"] in (0, 1) else 1
    P2 = known(m * (I2w * I2w) * R2) if R2 is not None else None
    status = "unknown" if (fMin is None or not wires_chosen) else \
        unknown_if_missing(lambda: "ok", MLT, R1, R2, P1, P2)
    row("copper", status, ("MLT", MLT), ("R1", R1), ("R2", R2), ("P1", P1), ("P2", P2))

    # temp
    rth_from_db = rth_db != 0
    Rth = rth_db if rth_from_db else rth_formula(Ve)
    losses = rise = share = None
    if None not in (p_min, p_max, P1, P2):
        losses = known(max(p_min, p_max) + P1 + P2)
    if losses is not None:
        rise = known(Rth * losses)
        share = div(losses, r["Pload"])

    def temp_status():
        if rise > 60:
            return "error"
        return "warning" if rise > 40 else "ok"
    row("temp", unknown_if_missing(temp_status, losses, rise),
        ("Rth", Rth), ("RthFromDatabase", rth_from_db), ("losses", losses), ("rise", rise),
        ("share", share))

    # fill
    fill = known(r["fill"])
    row("fill", unknown_if_missing(lambda: "warning" if fill > FILL_LIMIT else "ok", fill),
        ("fill", fill), ("limit", FILL_LIMIT))

    run_values = dict(xMin=xMin, xMax=xMax, xPeak=xPeak, N1=N1, N2=N2, AL=r["AL"])
    return rows, run_values


# ---- cases -------------------------------------------------------------------

# name: (overrides of the run, database Rth or 0 for the formula)
CASES = [
    ("default", {}, 0.0),
    ("default, database Rth 12.5", {}, 12.5),
    ("AL mode", dict(yes_al=1, zazor="2000"), 0.0),
    ("vypr 1", dict(vypr=1), 0.0),
    ("vypr 2", dict(vypr=2), 0.0),
    # a gap far above the one the turns need
    ("gap 2.0", dict(zazor="2.0"), 0.0),
    # the lowest supply needs more gain than the tank gives: no fMin
    ("no minimum frequency", dict(Umin="120"), 0.0),
    # the gain asked at the lowest supply is reached only just right of the
    # peak, below the zero-phase point: capacitive at the lowest supply
    ("capacitive", dict(Umin="230"), 0.0),
    # the same, a little further right: above the zero-phase point by under 5 %
    ("close to capacitive", dict(Umin="234"), 0.0),
    # thinner wire: the windings heat the core set by more than 40 K, then 60 K
    ("j 10", dict(j="10"), 0.0),
    ("j 15", dict(j="15"), 0.0),
    # few turns on a small gap: the flux at fMin comes near saturation, then over it
    ("gap 0.05, Bm 0.25", dict(zazor="0.05", Bm="0.25"), 0.0),
    ("gap 0.05, Bm 0.3, 48 V", dict(zazor="0.05", Bm="0.3", U2_1="48"), 0.0),
]

def fmt(v):
    return "None" if v is None else repr(v)


def main():
    as_json = "--json" in sys.argv[1:]
    result = []
    for name, over, rth_db in CASES:
        rows, run_values = design_check(over, rth_db=rth_db)
        result.append(dict(name=name, overrides=over, rthDatabase=rth_db, run=run_values,
                           rows=[dict(key=k, status=s, numbers=dict(nums)) for k, s, nums in rows]))
    if as_json:
        print(json.dumps(result, indent=1, ensure_ascii=False))
        return
    for case in result:
        print(case["name"], case["overrides"], "Rth from database: %s" % fmt(case["rthDatabase"]))
        print("   run:", ", ".join("%s=%s" % (k, fmt(v)) for k, v in case["run"].items()))
        for rw in case["rows"]:
            nums = ", ".join("%s=%s" % (k, fmt(v)) for k, v in rw["numbers"].items())
            print("   %-8s %-8s %s" % (rw["key"], rw["status"], nums))


if __name__ == "__main__":
    main()
