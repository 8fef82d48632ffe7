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
MU0 = 1.2566370614359172  # nH/mm
TAPE = 0.15  # mm of tape between two windings
LITZ_PACKING = 0.75
HIGHEST_HARMONIC = 40
INSULATION = 0.05  # the test wire table: diz = d + 0.05


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


# ---- the windings on the bobbin ------------------------------------------------

def bobbin(bw, bh):
    """(bw, bh, estimated): the given bobbin, or the estimate from the window An
    (w = sqrt(An/3); width 0.9 of 3w, height 0.75 of w)."""
    if bw > 0 and bh > 0:
        return bw, bh, False
    w = math.sqrt(rd.CORE["An"] / 3)
    return 0.9 * (3 * w), 0.75 * w, True


def skin_depth(f):
    """Skin depth of copper at 100 °C, mm, f in kHz: sqrt(rho/(pi f mu0))."""
    return math.sqrt(RHO * 1e-3 / (PI * f * 1e3 * MU0 * 1e-6)) * 1e3


def dowell_layer(D, a, b):
    """Dowell's factor of one layer with the fields a, b on its faces, in units of
    its own current sheet: D (s1 + 2 a b s2)."""
    s1 = (math.sinh(2 * D) + math.sin(2 * D)) / (math.cosh(2 * D) - math.cos(2 * D))
    s2 = (math.sinh(D) - math.sin(D)) / (math.cosh(D) + math.cos(D))
    return D * (s1 + 2 * a * b * s2)


def kelvin(nu, x):
    """ber_nu(x), bei_nu(x) by the series of Abramowitz & Stegun 9.9.10."""
    re = im = 0.0
    for k in range(200):
        t = (x / 2) ** (2 * k + nu) / (math.factorial(k) * math.factorial(nu + k))
        ang = (3 * nu / 4 + k / 2) * PI
        re += math.cos(ang) * t
        im += math.sin(ang) * t
        if k > 5 and t < 1e-18 * (abs(re) + abs(im)):
            break
    return re, im


def kelvin_derivative(x):
    """ber'(x), bei'(x): ber' = (ber_1 + bei_1)/sqrt(2), bei' = (bei_1 - ber_1)/sqrt(2)
    (A&S 9.9.15)."""
    r1, i1 = kelvin(1, x)
    return (r1 + i1) / math.sqrt(2), (i1 - r1) / math.sqrt(2)


def skin_fr(xi):
    ber, bei = kelvin(0, xi)
    dr, di = kelvin_derivative(xi)
    return xi / 2 * (ber * di - bei * dr) / (dr * dr + di * di)


def proximity_gr(xi):
    ber, bei = kelvin(0, xi)
    dr, di = kelvin_derivative(xi)
    r2, i2 = kelvin(2, xi)
    return -2 * PI * xi * (r2 * dr + i2 * di) / (ber * ber + bei * bei)


def build(bw, bh, N1, N2, centre_tap, inter, prim, sec):
    """The layers from the tube out: dicts of winding, turns, height and the MMF
    (units of N1·I1) at their faces; and the total height. prim, sec: dicts
    with litz, d, outer, count."""
    Ns = 2 * N2 if centre_tap else N2
    if inter:
        sections = [(1, math.ceil(N1 / 2)), (2, Ns), (1, N1 - math.ceil(N1 / 2))]
    else:
        sections = [(1, N1), (2, Ns)]
    sections = [sc for sc in sections if sc[1] > 0]
    layers, height, done1, done2 = [], 0.0, 0, 0
    for i, (wdg, turns) in enumerate(sections):
        c = prim if wdg == 1 else sec
        pitch = c["outer"] if c["litz"] else c["count"] * c["outer"]
        per = math.floor(bw / pitch)
        if per < 1:
            return None, None
        if i > 0:
            height += TAPE
        left = turns
        while left > 0:
            t = min(per, left)
            before = done1 / N1 - done2 / Ns
            if wdg == 1:
                done1 += t
            else:
                done2 += t
            after = done1 / N1 - done2 / Ns
            layers.append(dict(w=wdg, t=t, h=c["outer"], a=before, b=after))
            height += c["outer"]
            left -= t
    return layers, height


def layer_factor(lay, c, bw, Nref, f, common):
    delta = skin_depth(f)
    if c["litz"]:
        xi = c["d"] / (math.sqrt(2) * delta)
        a, b = lay["a"], lay["b"]
        ext = 0.0 if common else (Nref / bw) ** 2 * (a * a + a * b + b * b) / 3
        internal = 1 / (2 * PI ** 2 * c["outer"] ** 2)
        return skin_fr(xi) + PI * c["count"] ** 2 * c["d"] ** 2 / 2 * proximity_gr(xi) * (
            ext + internal)
    h = math.sqrt(PI) / 2 * c["d"]
    eta = lay["t"] * c["count"] * h / bw
    if common:
        return dowell_layer(h * math.sqrt(eta / 2) / delta, 0.0, 1.0)
    k = lay["b"] - lay["a"]
    return dowell_layer(h * math.sqrt(eta) / delta, lay["a"] / k, lay["b"] / k)


def winding_factor(layers, wdg, c, bw, Nref, f, common=False):
    num = sum(l["t"] * layer_factor(l, c, bw, Nref, f, common) for l in layers if l["w"] == wdg)
    return num / sum(l["t"] for l in layers if l["w"] == wdg)


def half_wave_factor(layers, c, bw, Nref, f):
    """DC 1/pi², fundamental 1/8 (the transformer's current), even harmonic k
    2/(pi²(k²-1)²) with opposite currents in the bifilar halves."""
    parts = [(1 / PI ** 2, 1.0), (1 / 8, winding_factor(layers, 2, c, bw, Nref, f))]
    for k in range(2, HIGHEST_HARMONIC + 1, 2):
        parts.append((2 / (PI ** 2 * (k * k - 1) ** 2),
                      winding_factor(layers, 2, c, bw, Nref, k * f, common=True)))
    return sum(w * F for w, F in parts) / sum(w for w, _ in parts)


def leakage(layers, N1, MLT, bw):
    """mu0 N1² MLT/bw (sum of layer heights (a²+ab+b²)/3 and tapes F²), µH."""
    total = 0.0
    for i, l in enumerate(layers):
        total += l["h"] * (l["a"] ** 2 + l["a"] * l["b"] + l["b"] ** 2) / 3
        if i + 1 < len(layers) and layers[i + 1]["w"] != l["w"]:
            total += TAPE * l["b"] ** 2
    return MU0 * N1 * N1 * MLT / bw * total / 1000


def litz(d, n):
    """A litz bundle of n strands of d mm (test wire table: strand insulation 0.05 mm)."""
    return dict(litz=True, d=d, count=n, outer=(d + INSULATION) * math.sqrt(n / LITZ_PACKING))


# ---- the check -------------------------------------------------------------

def design_check(over, rth_db=0.0, bmax_mt=BMAX_MT, square_leg=True, bob=(0.0, 0.0, 0.0)):
    """The rows of the design check of the run with the given overrides:
    a list of (key, status, [(name, number), ...]) and the run's own values.
    rth_db: the core database's Rth (0: none); bmax_mt: the material's Bmax;
    square_leg: an E or EI core (the test core is an E core); bob: the database's
    bobbin bw, bh, lw (0: none). Overrides litz1d … and inter are not the run's."""
    winding_keys = ("inter", "litz1d", "litz1n", "litz2d", "litz2n")
    out = rd.run(**{k: v for k, v in over.items() if k not in winding_keys})
    r = out["_"]
    p = dict(rd.DEFAULT, **over)
    p["inter"] = int(p.get("inter", 0))
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

    # copper, with the windings as wound
    bw, bh, estimated = bobbin(bob[0], bob[1])
    lw = bob[2]
    P = 4 * math.sqrt(Ae) if square_leg else 2 * math.sqrt(PI * Ae)
    w = math.sqrt(An / 3)
    MLT = lw if lw > 0 else P + PI * w
    centre_tap = p["vypr"] in (0, 1)

    def conductor(d_key, n_key, wire_d, strands):
        if over.get(d_key) and over.get(n_key):
            return litz(float(over[d_key]), math.floor(float(over[n_key])))
        return dict(litz=False, d=wire_d, count=strands, outer=wire_d + INSULATION)
    prim = conductor("litz1d", "litz1n", r["d1"], r["strands1"])
    sec = conductor("litz2d", "litz2n", r["d2"], r["strands2"])
    layers, height = build(bw, bh, N1, N2, centre_tap, p.get("inter", 0) == 1, prim, sec)
    Ns = 2 * N2 if centre_tap else N2

    def dc(N, c, strands, d):
        area = c["count"] * PI * c["d"] ** 2 / 4 if c["litz"] else strands * (PI * d * d / 4)
        return RHO * N * MLT / area
    R1 = dc(N1, prim, r["strands1"], r["d1"])
    R2 = dc(N2, sec, r["strands2"], r["d2"])

    def f1(f):
        return None if layers is None or f is None else winding_factor(layers, 1, prim, bw, N1, f)

    def f2(f):
        if layers is None or f is None:
            return None
        if p["vypr"] == 0:
            return half_wave_factor(layers, sec, bw, Ns, f)
        return winding_factor(layers, 2, sec, bw, Ns, f)
    F1, F2, F1Fr, F2Fr = f1(fMin), f2(fMin), f1(Fr), f2(Fr)
    i1_min = I1(fMin)
    P1 = known(i1_min * i1_min * R1 * F1) if None not in (i1_min, F1) else None
    m = 2 if centre_tap else 1
    P2 = known(m * (I2w * I2w) * R2 * F2) if F2 is not None else None
    layers1 = sum(1 for l in layers if l["w"] == 1) if layers else None
    layers2 = sum(1 for l in layers if l["w"] == 2) if layers else None
    numbers = [("MLT", MLT), ("R1", R1), ("R2", R2), ("P1", P1), ("P2", P2),
               ("layers1", layers1), ("layers2", layers2), ("acFactor1", F1),
               ("acFactor2", F2), ("acFactor1Fr", F1Fr), ("acFactor2Fr", F2Fr)]
    row("copper", unknown_if_missing(lambda: "ok", *[v for _, v in numbers]), *numbers)

    # wind: the build-up against the bobbin height
    fill_h = height / bh if height is not None else None

    def wind_status():
        if fill_h > 1.0:
            return "error"
        return "warning" if fill_h > 0.9 else "ok"
    status = "error" if layers is None else unknown_if_missing(wind_status, fill_h)
    row("wind", status, ("heightFill", fill_h), ("height", height), ("bw", bw), ("bh", bh),
        ("estimated", estimated))

    # leak: the leakage inductance against Lr
    L = leakage(layers, N1, MLT, bw) if layers else None
    share = div(L, Lr)
    row("leak", unknown_if_missing(lambda: "ok", L, share), ("leakage", L), ("Lr", Lr),
        ("share", share))

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
    # the primary's halves around the secondary: lower proximity loss and leakage
    ("interleaved", dict(inter=1), 0.0),
    # litz windings: 30 strands of 0.1 mm on the primary, 150 on the secondary
    ("litz", dict(litz1d="0.1", litz1n="30", litz2d="0.1", litz2n="150"), 0.0),
    ("litz interleaved bridge", dict(vypr=2, inter=1, litz1d="0.071", litz1n="40"), 0.0),
]

# name: (database bobbin bw, bh, lw) for the cases that give one
BOBBINS = {
    # the database's bobbin and mean turn length
    "bobbin given": (24.0, 6.5, 75.0),
    # a low bobbin: the windings over its height
    "bobbin too low": (20.0, 1.5, 0.0),
    # a narrow bobbin: a secondary turn of 11 wires side by side is wider
    "bobbin too narrow": (4.0, 20.0, 0.0),
}
CASES += [(name, {}, 0.0) for name in BOBBINS]

def fmt(v):
    return "None" if v is None else repr(v)


def cpp_number(v):
    if v is None:
        return "kUnknown"
    if isinstance(v, bool):
        return "1" if v else "0"
    return repr(float(v))


def print_cpp(result):
    """The cases as the table of design_check_test.cpp."""
    cases = []
    for case in result:
        over = ", ".join('{"%s", "%s"}' % (k, v) for k, v in case["overrides"].items())
        rows = []
        for rw in case["rows"]:
            nums = ", ".join('{"%s", %s}' % (k, cpp_number(v)) for k, v in rw["numbers"].items())
            rows.append('      {"%s", "%s", {%s}},' % (rw["key"], rw["status"], nums))
        bob = "" if case["bobbin"] == (0.0, 0.0, 0.0) else ",\n     {%s}" % ", ".join(
            repr(v) for v in case["bobbin"])
        cases.append('    {"%s",\n     {%s},\n     %s,\n     {\n%s\n     }%s}' % (
            case["name"], over, repr(case["rthDatabase"]), "\n".join(rows), bob))
    print(",\n".join(cases))


def main():
    as_json = "--json" in sys.argv[1:]
    result = []
    for name, over, rth_db in CASES:
        bob = BOBBINS.get(name, (0.0, 0.0, 0.0))
        rows, run_values = design_check(over, rth_db=rth_db, bob=bob)
        result.append(dict(name=name, overrides=over, rthDatabase=rth_db, bobbin=bob,
                           run=run_values,
                           rows=[dict(key=k, status=s, numbers=dict(nums)) for k, s, nums in rows]))
    if as_json:
        print(json.dumps(result, indent=1, ensure_ascii=False))
        return
    if "--cpp" in sys.argv[1:]:
        print_cpp(result)
        return
    for case in result:
        print(case["name"], case["overrides"], "Rth from database: %s" % fmt(case["rthDatabase"]))
        print("   run:", ", ".join("%s=%s" % (k, fmt(v)) for k, v in case["run"].items()))
        for rw in case["rows"]:
            nums = ", ".join("%s=%s" % (k, fmt(v)) for k, v in rw["numbers"].items())
            print("   %-8s %-8s %s" % (rw["key"], rw["status"], nums))


if __name__ == "__main__":
    main()
