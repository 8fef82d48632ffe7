#!/usr/bin/env python3
"""Builds the shipped reference data under data/ from the CSV tables in tools/refdata/.

    python3 tools/generate_data.py           # rewrite the files under data/
    python3 tools/generate_data.py --check   # only compare; exit status 1 when a file differs

Writes data/Wire.txt, data/Bases_Cores/FerritesCores.txt and one
data/Ferrites_Materials/<material> <maker>.txt per material with a loss table.
Every file is UTF-16 little-endian with the FF FE mark and CR LF line ends.

A material with digitized loss curves in tools/refdata/loss_curves/<material>.csv
gets its table tools/refdata/materials/<material>.csv computed from them first
(log-log interpolation on the curves, nothing beyond their ends); --check also
compares that table with the curves.

The program finds every value by searching the file text, so the generator
refuses to write a file in which a search could land on the wrong place: a core
name inside another name, a family search text ("E ", "EI", "ER", "ETD") outside
the names of its family, a lookup key inside a comment, and so on.

Python 3 standard library only.
"""

import argparse
import csv
import math
import re
import sys
from pathlib import Path

TOOLS = Path(__file__).resolve().parent
SOURCES = TOOLS / "refdata"
DATA = TOOLS.parent / "data"

# --- cores -----------------------------------------------------------------

# Families in the order they stand in the file. EFD, EQ and the R toroids are
# not shipped: their names contain none of the family search texts and do not
# start with a letter that the "other" list accepts, so no list could show them.
CORE_FAMILIES = ["E", "EI", "ER", "ETD", "PQ", "RM"]

# Effective permeability of an ungapped set when the sources give no AL value:
# the material's initial permeability in series with a small residual gap.
ESTIMATE_MU_I = 2200.0  # initial permeability of N87
ESTIMATE_RESIDUAL_GAP_MM = 0.012  # mean residual gap implied by the published AL values

FAMILY_SEARCH_TEXTS = {"E": "E ", "EI": "EI", "ER": "ER", "ETD": "ETD"}
DEFAULT_CORE = "E 40/16/12"

# Every key a core record may hold. Each must occur in the file only where it
# begins its own line, so that no lookup, exact or by plain substring, can find
# one key in place of another or in a name or a value.
CORE_KEYS = ["Ae", "An", "le", "mu", "k1", "k2", "Rth", "bw", "bh", "lw"]


def estimated_mu(le_mm):
    mu = le_mm / (le_mm / ESTIMATE_MU_I + ESTIMATE_RESIDUAL_GAP_MM)
    return int(math.floor(mu + 0.5))


def is_low_confidence(row):
    return "LOW CONFIDENCE" in (row["source"] + " " + row["method"]).upper()


def has_lower_bound_an(row):
    return "lower bound" in row["method"].lower()


def read_all_core_rows():
    with open(SOURCES / "cores.csv", newline="", encoding="utf-8") as f:
        return list(csv.DictReader(f))


def read_cores():
    rows = read_all_core_rows()
    shipped, left_out = [], []
    for family in CORE_FAMILIES:
        for row in rows:
            if row["family"] != family:
                continue
            if is_low_confidence(row):
                left_out.append((row["name"], "marked LOW CONFIDENCE"))
                continue
            shipped.append(row)
    for row in rows:
        if row["family"] not in CORE_FAMILIES:
            left_out.append((row["name"], "family %s appears in no core list" % row["family"]))
    return shipped, left_out


def read_core_rth(core_rows):
    """Published still-air thermal resistances, K/W, by core name."""
    with open(SOURCES / "core_rth.csv", newline="", encoding="utf-8") as f:
        rows = list(csv.DictReader(f))
    names = {row["name"] for row in core_rows}
    rth = {}
    for row in rows:
        name, text = row["name"], row["Rth_K_per_W"].strip()
        if name not in names:
            raise SystemExit("core_rth.csv: %s is not in cores.csv" % name)
        if name in rth:
            raise SystemExit("core_rth.csv: %s occurs twice" % name)
        if not re.fullmatch(r"[0-9]+(\.[0-9]+)?", text) or not float(text) > 0:
            raise SystemExit("core_rth.csv: %s has no positive decimal value (%r)" % (name, text))
        if not row["source"].strip():
            raise SystemExit("core_rth.csv: %s names no source" % name)
        rth[name] = text
    return rth


def read_bobbins(core_rows):
    """Published bobbin winding width, height and mean turn length (mm) by core name:
    {name: [(key, text), ...]} with the keys bw, bh and, where given, lw."""
    with open(SOURCES / "bobbins.csv", newline="", encoding="utf-8") as f:
        rows = list(csv.DictReader(f))
    names = {row["name"] for row in core_rows}
    bobbins = {}
    for row in rows:
        name = row["name"]
        if name not in names:
            raise SystemExit("bobbins.csv: %s is not in cores.csv" % name)
        if name in bobbins:
            raise SystemExit("bobbins.csv: %s occurs twice" % name)
        if not row["source"].strip() or not row["method"].strip():
            raise SystemExit("bobbins.csv: %s names no source or method" % name)
        keys = []
        for key, column, needed in (("bw", "bw_mm", True), ("bh", "bh_mm", True),
                                    ("lw", "lw_mm", False)):
            text = row[column].strip()
            if not text and not needed:
                continue
            if not re.fullmatch(r"[0-9]+(\.[0-9]+)?", text) or not float(text) > 0:
                raise SystemExit("bobbins.csv: %s has no positive decimal %s (%r)" %
                                 (name, column, text))
            keys.append((key, text))
        bobbins[name] = keys
    return bobbins


def core_entry(row, rth=None, bobbin=()):
    """The record's keys and value texts, and whether mu is an estimate."""
    for key in ("Ae_mm2", "An_mm2", "le_mm"):
        if not (float(row[key]) > 0):
            raise SystemExit("core %s: %s must be > 0" % (row["name"], key))
    if row["mu_e"].strip():
        mu, estimated = str(int(round(float(row["mu_e"])))), False
    else:
        mu, estimated = str(estimated_mu(float(row["le_mm"]))), True
    keys = [("Ae", row["Ae_mm2"]), ("An", row["An_mm2"]), ("le", row["le_mm"]), ("mu", mu)]
    if row["k1"].strip() and row["k2"].strip():
        keys += [("k1", row["k1"]), ("k2", row["k2"])]
    if rth is not None:
        keys.append(("Rth", rth))
    keys += list(bobbin)
    return keys, estimated


def check_core_names(names, text):
    """Every name is found only at its own record, and lands in exactly one list."""
    if DEFAULT_CORE not in names:
        raise SystemExit("the default core %s is missing" % DEFAULT_CORE)
    for name in names:
        if "]" in name or "[" in name:
            raise SystemExit("core name %r holds a bracket" % name)
        if text.count(name) != 1:
            raise SystemExit("core name %r occurs %d times in the file" % (name, text.count(name)))
    for family, search in FAMILY_SEARCH_TEXTS.items():
        # Every occurrence of the search text must be the start of a name of that family.
        starts = [m.start() for m in re.finditer(re.escape(search), text)]
        for pos in starts:
            if text[pos - 1] != "[":
                raise SystemExit("%r occurs inside a name or a value at %d" % (search, pos))
            name = text[pos:text.index("]", pos)]
            if not name.startswith(family + " "):
                raise SystemExit("%r starts the name %r of another family" % (search, name))
    for name in names:
        # "E ", "EI", "ER", "ETD" must not occur in the names of the "other" family.
        if not name.startswith("E") and any(s in name for s in FAMILY_SEARCH_TEXTS.values()):
            raise SystemExit("core name %r would also be listed in an E family" % name)


def check_core_keys(text):
    """Every key stands only at the start of its own line, followed by " = "."""
    for key in CORE_KEYS:
        for m in re.finditer(re.escape(key), text):
            if m.start() > 0 and text[m.start() - 1] != "\n":
                raise SystemExit("%r occurs inside a line at %d" % (key, m.start()))
            if not text.startswith(key + " = ", m.start()):
                raise SystemExit("%r begins a line but is not that line's key at %d" %
                                 (key, m.start()))


def build_core_file():
    rows, left_out = read_cores()
    rth = read_core_rth(read_all_core_rows())
    bobbins = read_bobbins(read_all_core_rows())
    records, estimated, lower_bound = [], [], []
    for row in rows:
        keys, is_estimate = core_entry(row, rth.get(row["name"]), bobbins.get(row["name"], ()))
        if is_estimate:
            estimated.append((row["name"], dict(keys)["mu"]))
        if has_lower_bound_an(row):
            lower_bound.append(row["name"])
        lines = ["[%s]" % row["name"]] + ["%s = %s" % kv for kv in keys]
        records.append("\r\n".join(lines) + "\r\n\r\n")
    text = "".join(records)
    check_core_names([row["name"] for row in rows], text)
    check_core_keys(text)
    with_rth = [row["name"] for row in rows if row["name"] in rth]
    with_bobbin = [row["name"] for row in rows if row["name"] in bobbins]
    return text, rows, estimated, lower_bound, left_out, with_rth, with_bobbin


# --- loss tables from digitized curves ---------------------------------------

CURVES = SOURCES / "loss_curves"
CURVE_TEMPERATURE_C = 100.0
# The grid of every loss table in tools/refdata/materials/.
TABLE_FREQUENCIES_KHZ = [25, 50, 75, 100, 150, 200, 300, 400, 500]
TABLE_FLUX_MT = [25, 50, 75, 100, 125, 150, 200, 250, 300]
MAX_TABLE_LOSS_KW = 3000.0  # larger losses are left empty, as in the other tables


def read_loss_curves(path):
    """Loss density over frequency at 100 °C, one curve per peak flux density.

    Columns f (Hz), p_v (W/m³), T (°C), b (T), as in the digitized data sheets of
    upb-lea/materialdatabase. Returns {flux in mT: [(f in Hz, p_v in W/m³), ...]}
    with each curve in increasing frequency.
    """
    with open(path, newline="", encoding="utf-8") as f:
        rows = list(csv.DictReader(f))
    curves = {}
    for n, row in enumerate(rows, start=2):
        try:
            f_hz, p_v, temp, b = (float(row[k]) for k in ("f", "p_v", "T", "b"))
        except (KeyError, TypeError, ValueError):
            raise SystemExit("%s:%d: expected the numbers f, p_v, T, b" % (path, n))
        if temp != CURVE_TEMPERATURE_C:
            raise SystemExit("%s:%d: only the %g °C curves belong here" %
                             (path, n, CURVE_TEMPERATURE_C))
        if not (f_hz > 0 and p_v > 0 and 0 < b < 1):
            raise SystemExit("%s:%d: f and p_v must be > 0 and b in tesla" % (path, n))
        curves.setdefault(round(b * 1000, 6), []).append((f_hz, p_v))
    for b_mt, points in curves.items():
        points.sort()
        if len(points) < 2:
            raise SystemExit("%s: the %g mT curve has fewer than 2 points" % (path, b_mt))
        if any(f1 <= f0 for (f0, _), (f1, _) in zip(points, points[1:])):
            raise SystemExit("%s: the %g mT curve repeats a frequency" % (path, b_mt))
    return curves


def log_interpolate(x, x0, y0, x1, y1):
    t = math.log(x / x0) / math.log(x1 / x0)
    return math.exp(math.log(y0) + t * math.log(y1 / y0))


def loss_on_curve(points, f_hz):
    """The curve's loss at f_hz, log-log between its neighbouring points; None beyond its ends."""
    if not points[0][0] <= f_hz <= points[-1][0]:
        return None
    for (f0, p0), (f1, p1) in zip(points, points[1:]):
        if f0 <= f_hz <= f1:
            return log_interpolate(f_hz, f0, p0, f1, p1)
    return None


def loss_from_curves(curves, f_hz, b_mt):
    """Loss density in W/m³ at (f_hz, b_mt): on the curve of that flux density, or
    log-log between the two neighbouring curves when both reach f_hz; None otherwise."""
    if b_mt in curves:
        return loss_on_curve(curves[b_mt], f_hz)
    below = [b for b in curves if b < b_mt]
    above = [b for b in curves if b > b_mt]
    if not below or not above:
        return None
    b0, b1 = max(below), min(above)
    p0, p1 = loss_on_curve(curves[b0], f_hz), loss_on_curve(curves[b1], f_hz)
    if p0 is None or p1 is None:
        return None
    return log_interpolate(b_mt, b0, p0, b1, p1)


def loss_cell_text(kw):
    """Three significant digits, whole numbers from 100 kW/m³ up, no trailing zeros."""
    decimals = max(0, 2 - math.floor(math.log10(kw)))
    text = "%.*f" % (decimals, kw)
    return text.rstrip("0").rstrip(".") if "." in text else text


def loss_table_from_curves(path):
    """The text of tools/refdata/materials/<material>.csv built from its curves."""
    curves = read_loss_curves(path)
    lines = ["frequency_kHz," + ",".join(str(b) for b in TABLE_FLUX_MT)]
    for f_khz in TABLE_FREQUENCIES_KHZ:
        cells = []
        for b_mt in TABLE_FLUX_MT:
            p_v = loss_from_curves(curves, f_khz * 1000.0, b_mt)
            kw = None if p_v is None else p_v / 1000.0
            cells.append("" if kw is None or kw > MAX_TABLE_LOSS_KW else loss_cell_text(kw))
        lines.append("%d,%s" % (f_khz, ",".join(cells)))
    return "\r\n".join(lines) + "\r\n"


def curve_tables():
    """{path of the loss table: its text} for every material with digitized curves."""
    return {SOURCES / "materials" / path.name: loss_table_from_curves(path)
            for path in sorted(CURVES.glob("*.csv"))}


# --- materials ---------------------------------------------------------------

MAKER_NAMES = {"TDK (EPCOS)": "Epcos", "Ferroxcube": "Ferroxcube"}

LOSS_SOURCE_MAS = ("Steinmetz fit of the OpenMagnetics MAS material database "
                   "(git 0512b02), evaluated at 100 °C")
LOSS_SOURCES = {
    "N87": ("TDK data-sheet loss-over-frequency curves at 100 °C for 25, 50, 100 and 200 mT, "
            "digitized in upb-lea/materialdatabase; log-log interpolated along each curve and "
            "between neighbouring curves, nothing beyond the ends of the curves"),
    "N97": LOSS_SOURCE_MAS,
    "N27": ("Steinmetz fit of the OpenMagnetics MAS material database "
            "(fork gpitel/MAS, git 3cfdadeb), evaluated at 100 °C"),
    "3C90": LOSS_SOURCE_MAS,
    "3C94": LOSS_SOURCE_MAS,
    "3C97": LOSS_SOURCE_MAS,
    "3F36": LOSS_SOURCE_MAS,
    "N95": ("TDK data-sheet loss-over-frequency curves at 100 °C, digitized in "
            "upb-lea/materialdatabase, log-log interpolated"),
    "N49": ("TDK data-sheet loss-over-frequency curves at 100 °C, digitized in "
            "upb-lea/materialdatabase, log-log interpolated"),
    "3C95": ("Ferroxcube data-sheet loss curves at 100 °C for 100, 200 and 400 kHz, digitized in "
             "upb-lea/materialdatabase; 150 and 300 kHz log-log interpolated"),
    "3F3": ("straight-line readings of the Ferroxcube data-sheet loss charts at 100 °C "
            "(cstook/PlanerTransformer.jl), log-log interpolated in frequency"),
}

# Short descriptions of the loss sources for the table in data/README.md.
LOSS_SHORT = {
    "N87": "TDK data-sheet curves, digitized",
    "N97": "Steinmetz fit (OpenMagnetics MAS)",
    "N95": "TDK data-sheet curves, digitized",
    "N49": "TDK data-sheet curves, digitized",
    "N27": "Steinmetz fit (OpenMagnetics MAS, newer fit)",
    "3C90": "Steinmetz fit (OpenMagnetics MAS)",
    "3C94": "Steinmetz fit (OpenMagnetics MAS)",
    "3C95": "Ferroxcube data-sheet curves, digitized",
    "3C97": "Steinmetz fit (OpenMagnetics MAS)",
    "3F3": "readings of the Ferroxcube data-sheet charts",
    "3F36": "Steinmetz fit (OpenMagnetics MAS)",
}

# Texts the material reader searches for. A comment must contain none of them,
# letter case ignored, so that no lookup, exact or by plain substring, lands in it.
MATERIAL_FORBIDDEN = ["[", "]", "=", "mu", "bmax", "bmmax", "b_", "f_", "flux density",
                      "frequencies"]
MATERIAL_FORBIDDEN_RE = re.compile(r"[BF][0-9]")

MIN_AXIS_POINTS = 3
MAX_AXIS_POINTS = 9


def read_loss_table(path):
    with open(path, newline="", encoding="utf-8") as f:
        rows = list(csv.reader(f))
    header = rows[0]
    if header[0] != "frequency_kHz":
        raise SystemExit("%s: unexpected header %r" % (path, header[0]))
    flux = [b.strip() for b in header[1:]]
    freqs, cells = [], []
    for row in rows[1:]:
        if not row:
            continue
        freqs.append(row[0].strip())
        cells.append([c.strip() for c in row[1:]] + [""] * (len(flux) - len(row) + 1))
    return flux, freqs, cells


def check_increasing(values, what):
    numbers = [float(v) for v in values]
    if any(b <= a for a, b in zip(numbers, numbers[1:])):
        raise SystemExit("%s is not in increasing order: %s" % (what, values))


def check_comment(line, what):
    low = line.lower()
    for bad in MATERIAL_FORBIDDEN:
        if bad in low:
            raise SystemExit("%s: comment holds %r" % (what, bad))
    if MATERIAL_FORBIDDEN_RE.search(line):
        raise SystemExit("%s: comment holds a B or F followed by a digit" % what)


def table_holes(flux, freqs, cells):
    """Empty cells that lie between two filled cells of the same row or column."""
    holes = set()
    lines = [[(i, j) for j in range(len(flux))] for i in range(len(freqs))]
    lines += [[(i, j) for i in range(len(freqs))] for j in range(len(flux))]
    for line in lines:
        filled = [n for n, (i, j) in enumerate(line) if cells[i][j]]
        if filled:
            inside = line[filled[0]:filled[-1]]
            holes.update((i, j) for i, j in inside if not cells[i][j])
    return ["%s kHz / %s mT" % (freqs[i], flux[j]) for i, j in sorted(holes)]


def build_material_file(row, flux, freqs, cells):
    name = row["name"]
    holes = table_holes(flux, freqs, cells)
    if holes:
        # The program would read a hole as a loss of zero.
        raise SystemExit("%s: empty cells inside the table: %s" % (name, ", ".join(holes)))
    # Keep only the flux densities and frequencies that have at least one value,
    # so the interpolation extrapolates from real points.
    keep_b = [j for j in range(len(flux)) if any(cells[i][j] for i in range(len(freqs)))]
    keep_f = [i for i in range(len(freqs)) if any(cells[i][j] for j in keep_b)]
    b_texts = [flux[j] for j in keep_b]
    f_texts = [freqs[i] for i in keep_f]
    check_increasing(b_texts, name + " flux densities")
    check_increasing(f_texts, name + " frequencies")
    if len(b_texts) > MAX_AXIS_POINTS or len(f_texts) > MAX_AXIS_POINTS:
        raise SystemExit("%s: more than %d points on an axis" % (name, MAX_AXIS_POINTS))
    if "," in "".join(b_texts + f_texts):
        raise SystemExit("%s: axis values must use '.'" % name)
    for key, column in (("Bmax", "Bsat_100C_mT"), ("Bmmax", "Bsat_25C_mT"), ("mu", "mu_i")):
        if not row[column].strip() or not float(row[column]) > 0:
            raise SystemExit("%s: %s is empty" % (name, column))

    comments = [
        "; Core loss density in kW/m3 at 100 °C, sine wave, over peak flux (mT) "
        "and frequency (kHz).",
        "; Loss source: %s." % LOSS_SOURCES[name],
        "; Saturation flux and initial permeability: see data/README.md.",
    ]
    for line in comments:
        check_comment(line, name)
    lines = comments + [
        "",
        "Bmax = %s" % row["Bsat_100C_mT"].strip(),
        "Bmmax = %s" % row["Bsat_25C_mT"].strip(),
        "mu = %s" % row["mu_i"].strip(),
        "",
        "[Flux density]",
    ]
    lines += ["B%d = %s" % (n + 1, b) for n, b in enumerate(b_texts)]
    lines += ["", "[Frequencies]"]
    lines += ["F%d = %s" % (n + 1, f) for n, f in enumerate(f_texts)]
    for i in keep_f:
        lines += ["", "[F_%s]" % freqs[i]]
        lines += [("B_%s = %s" % (flux[j], cells[i][j])).rstrip() for j in keep_b]
    return "\r\n".join(lines) + "\r\n", b_texts, f_texts


def build_material_files():
    with open(SOURCES / "materials.csv", newline="", encoding="utf-8") as f:
        rows = {row["name"]: row for row in csv.DictReader(f)}
    files, left_out = {}, []
    table = ["| File | Loss data | µi | Bsat 25 °C / 100 °C, mT |", "|---|---|---|---|"]
    order = {name: n for n, name in enumerate(LOSS_SHORT)}
    paths = sorted((SOURCES / "materials").glob("*.csv"), key=lambda p: (order.get(p.stem, 99), p.stem))
    for path in paths:
        name = path.stem
        if name not in rows:
            raise SystemExit("%s has no row in materials.csv" % name)
        flux, freqs, cells = read_loss_table(path)
        b_with = [j for j in range(len(flux)) if any(c[j] for c in cells)]
        f_with = [i for i, c in enumerate(cells) if any(c)]
        if len(b_with) < MIN_AXIS_POINTS or len(f_with) < MIN_AXIS_POINTS:
            left_out.append((name, "loss table has %d flux densities and %d frequencies with "
                             "values (needs %d of each)" %
                             (len(b_with), len(f_with), MIN_AXIS_POINTS)))
            continue
        if name not in LOSS_SOURCES or name not in LOSS_SHORT:
            raise SystemExit("%s: name its loss source in LOSS_SOURCES and LOSS_SHORT" % name)
        row = rows[name]
        maker = MAKER_NAMES.get(row["maker"])
        if maker is None:
            raise SystemExit("%s: no short name for maker %r" % (name, row["maker"]))
        text, b_texts, f_texts = build_material_file(row, flux, freqs, cells)
        files["%s %s.txt" % (name, maker)] = text
        table.append("| %s %s | %s | %s | %s / %s |" % (
            name, maker, LOSS_SHORT[name], row["mu_i"], row["Bsat_25C_mT"], row["Bsat_100C_mT"]))
    if "N87 Epcos.txt" not in files:
        raise SystemExit("the default material N87 Epcos is missing")
    return files, left_out, "\n".join(table) + "\n"


# --- wires -----------------------------------------------------------------

MAX_WIRES = 100


def build_wire_file():
    with open(SOURCES / "wires.csv", newline="", encoding="utf-8") as f:
        rows = list(csv.DictReader(f))
    if len(rows) > MAX_WIRES:
        raise SystemExit("more than %d wires" % MAX_WIRES)
    check_increasing([r["d_mm"] for r in rows], "wire diameters")
    lines = []
    for n, r in enumerate(rows, start=1):
        d, diz = r["d_mm"].strip(), r["diz_grade2_max_mm"].strip()
        if not float(diz) > float(d):
            raise SystemExit("wire %s: insulated diameter %s is not larger" % (d, diz))
        lines += ["d%d = %s" % (n, d), "diz%d = %s" % (n, diz)]
    return "\r\n".join(lines) + "\r\n", len(rows)


# --- data/README.md ----------------------------------------------------------


def estimated_mu_table(rows, estimated):
    by_family = {}
    for name, mu in estimated:
        family = next(r["family"] for r in rows if r["name"] == name)
        by_family.setdefault(family, []).append("%s (%s)" % (name, mu))
    lines = ["| Family | Cores (estimated mu) |", "|---|---|"]
    for family in CORE_FAMILIES:
        if family not in by_family:
            continue
        entries = ", ".join(by_family[family])
        if len(by_family[family]) == sum(1 for r in rows if r["family"] == family):
            entries = "all: " + entries
        lines.append("| %s | %s |" % (family, entries))
    return "\n".join(lines) + "\n"


def rth_list(rows, with_rth):
    lines = []
    for family in CORE_FAMILIES:
        names = [r["name"] for r in rows if r["family"] == family and r["name"] in with_rth]
        if names:
            lines.append("* %s: %s" % (family, ", ".join(names)))
    if not lines:
        lines.append("* none")
    return "\n".join(lines) + "\n"


def update_readme(text, blocks, lower_bound):
    """Replaces the generated blocks of data/README.md; checks the names it quotes by hand."""
    for tag, block in blocks.items():
        begin = "<!-- generated: %s -->\n" % tag
        end = "<!-- end generated -->\n"
        start = text.find(begin)
        stop = text.find(end, start)
        if start < 0 or stop < 0:
            raise SystemExit("data/README.md: block %r not found" % tag)
        text = text[:start + len(begin)] + block + text[stop:]
    for name in lower_bound:
        if name not in text:
            raise SystemExit("data/README.md does not name the lower-bound An core %s" % name)
    return text


# --- output ----------------------------------------------------------------


def encode(text):
    if "\n" in text.replace("\r\n", ""):
        raise SystemExit("a line end is not CR LF")
    return b"\xff\xfe" + text.encode("utf-16-le")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="compare with the files under data/ instead of writing them")
    args = parser.parse_args()

    # The loss tables computed from curves come first: the material files are
    # built from the tables.
    differing = []
    for path, text in curve_tables().items():
        if args.check:
            if not path.is_file() or path.read_bytes() != text.encode("utf-8"):
                differing.append(path)
        else:
            path.write_bytes(text.encode("utf-8"))

    core_text, cores, estimated, lower_bound, cores_left_out, with_rth, with_bobbin = \
        build_core_file()
    materials, materials_left_out, material_table = build_material_files()
    wire_text, wire_count = build_wire_file()
    readme_path = DATA / "README.md"
    readme_old = readme_path.read_text(encoding="utf-8")
    readme_new = update_readme(readme_old, {"estimated mu": estimated_mu_table(cores, estimated),
                                            "thermal resistance": rth_list(cores, with_rth),
                                            "bobbins": rth_list(cores, with_bobbin),
                                            "materials": material_table}, lower_bound)

    outputs = {DATA / "Bases_Cores" / "FerritesCores.txt": core_text,
               DATA / "Wire.txt": wire_text}
    for file_name, text in materials.items():
        outputs[DATA / "Ferrites_Materials" / file_name] = text

    for path, text in sorted(outputs.items()):
        data = encode(text)
        if args.check:
            if not path.is_file() or path.read_bytes() != data:
                differing.append(path)
        else:
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_bytes(data)
    if readme_new != readme_old:
        if args.check:
            differing.append(readme_path)
        else:
            readme_path.write_text(readme_new, encoding="utf-8")
    if args.check:
        stale = sorted(p for p in (DATA / "Ferrites_Materials").glob("*.txt") if p not in outputs)
        for path in differing + stale:
            print("differs: %s" % path.relative_to(TOOLS.parent))
        return 1 if differing or stale else 0

    print("%d cores, %d materials, %d wires" % (len(cores), len(materials), wire_count))
    print("mu estimated: " + ", ".join("%s (%s)" % e for e in estimated))
    print("An a lower bound: " + ", ".join(lower_bound))
    print("Rth given (%d): %s" % (len(with_rth), ", ".join(with_rth)))
    print("bobbin given (%d): %s" % (len(with_bobbin), ", ".join(with_bobbin)))
    for name, why in cores_left_out + materials_left_out:
        print("left out %s: %s" % (name, why))
    return 0


if __name__ == "__main__":
    sys.exit(main())
