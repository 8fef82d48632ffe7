#!/usr/bin/env python3
"""Checks the English catalogue of the toolkit-free layers against the code.

Every Russian text the program shows outside its Qt windows is marked where it
is written: Tr(u"…"), TrFormat(u"…", …), TrIn(…, u"…"), KELVARA_TR_NOOP(u"…")
or kelvara-calc's T(u"…")
(adjacent literals join, as in C++). The catalogue refdata/catalogue_en.cpp
holds one {u"русский", u"English"} pair per text. This script fails when a
marked text has no entry (a gap), when an entry's text is marked nowhere (a
stale entry), when a key stands twice, when an English text holds Cyrillic,
or when a template's places {1}…{9} differ between the two languages.

The Qt windows' own texts (tr(), QCoreApplication::translate) are in
translations/kelvara_en.ts: lupdate is run over ui/ into a copy of it, and
any text it finds untranslated, or any entry it finds vanished or obsolete,
fails the check.

    python3 scripts/check_translations.py            # check (both catalogues)
    python3 scripts/check_translations.py --missing  # print the missing keys
                                                     # as entries to fill in

Python 3 standard library only.
"""
import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
FOLDERS = ["calc", "refdata", "designs", "session", "window", "cli", "ui_win32"]
CATALOGUE = ROOT / "refdata" / "catalogue_en.cpp"

LITERAL = r'u"(?:[^"\\]|\\.)*"'
MARKS = re.compile(
    r'\b(?:Tr|T|TrQ|TrFormat|KELVARA_TR_NOOP)\s*\(\s*((?:' + LITERAL + r'\s*)+)'
    r'|\bTrIn\s*\([^,()]*,\s*((?:' + LITERAL + r'\s*)+)')
PAIR = re.compile(r'\{\s*((?:' + LITERAL + r'\s*)+),\s*((?:' + LITERAL + r'\s*)+)\}')
CYRILLIC = re.compile('[\u0400-\u04ff]')
PLACE = re.compile(r'\{[1-9]\}')


def unescape(literals):
    """The text of adjacent C++ u"…" literals."""
    out = []
    for lit in re.findall(LITERAL, literals):
        body = lit[2:-1]
        out.append(re.sub(r'\\(.)', lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)),
                          body))
    return "".join(out)


def strip_comments(code):
    return re.sub(r'//[^\n]*', '', code)


# A condition inside Tr(…): its literals would be shown translated but could
# not be found here. Each branch gets its own Tr().
HIDDEN = re.compile(r'\b(?:Tr|TrQ|TrFormat)\s*\([^;()]*\?\s*u"')


def hidden_texts():
    found = []
    for folder in FOLDERS + ["ui"]:
        for path in sorted((ROOT / folder).rglob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            code = strip_comments(path.read_text(encoding="utf-8"))
            for m in HIDDEN.finditer(code):
                line = code.count("\n", 0, m.start()) + 1
                found.append(f"{path.relative_to(ROOT)}:{line}: a condition inside Tr(): "
                             "give each branch its own Tr()")
    return found


def marked_texts():
    texts = {}
    for folder in FOLDERS:
        for path in sorted((ROOT / folder).rglob("*")):
            if path.suffix not in (".cpp", ".h") or path == CATALOGUE:
                continue
            code = strip_comments(path.read_text(encoding="utf-8"))
            for m in MARKS.finditer(code):
                text = unescape(m.group(1) or m.group(2))
                texts.setdefault(text, f"{path.relative_to(ROOT)}")
    return texts


def catalogue():
    code = strip_comments(CATALOGUE.read_text(encoding="utf-8"))
    body = code[code.index("kEntries"):]
    return [(unescape(a), unescape(b)) for a, b in PAIR.findall(body)]


def escape(text):
    return text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n")


LUPDATE = Path("/usr/lib/qt6/bin/lupdate")
TS = ROOT / "translations" / "kelvara_en.ts"


def qt_problems():
    """The Qt windows' texts: lupdate run over ui/ into a copy of the .ts must
    find every text translated, and no entry that the sources no longer have."""
    import shutil
    import subprocess
    import tempfile
    if not LUPDATE.exists():
        return [f"{LUPDATE} is missing (Debian package qt6-l10n-tools)"]
    with tempfile.TemporaryDirectory() as tmp:
        copy = Path(tmp) / TS.name
        shutil.copy(TS, copy)
        run = subprocess.run([str(LUPDATE), "-I", str(ROOT), "-locations", "none", str(ROOT / "ui"),
                              "-ts", str(copy)],
                             capture_output=True, text=True)
        if run.returncode != 0:
            return [f"lupdate failed: {run.stderr.strip()}"]
        text = copy.read_text(encoding="utf-8")
    problems = []
    for m in re.finditer(r'<message>\s*<source>(.*?)</source>\s*<translation([^>]*)>', text, re.S):
        kind = re.search(r'type="(\w+)"', m.group(2))
        if kind:
            problems.append(f"Qt text {kind.group(1)}: {m.group(1)!r}")
    for m in re.finditer(r'<message>\s*<source>(.*?)</source>\s*<translation([^>]*)/>', text, re.S):
        problems.append(f"Qt text without translation: {m.group(1)!r}")
    return problems


def main():
    marked = marked_texts()
    entries = catalogue()
    problems = []
    keys = {}
    for ru, en in entries:
        if ru in keys:
            problems.append(f"twice in the catalogue: {ru!r}")
        keys[ru] = en
        if ru not in marked:
            problems.append(f"stale entry (marked nowhere): {ru!r}")
        if CYRILLIC.search(en):
            problems.append(f"Cyrillic in the English text of {ru!r}: {en!r}")
        if sorted(PLACE.findall(ru)) != sorted(PLACE.findall(en)):
            problems.append(f"places differ: {ru!r} / {en!r}")
        if not en:
            problems.append(f"empty English text for {ru!r}")
    missing = [t for t in marked if t not in keys and CYRILLIC.search(t)]
    if "--missing" in sys.argv:
        for t in missing:
            print(f'    {{u"{escape(t)}",\n     u""}},  // {marked[t]}')
        return 0
    for t in missing:
        problems.append(f"no English entry: {t!r} ({marked[t]})")
    problems += hidden_texts()
    if "--no-qt" not in sys.argv:
        problems += qt_problems()
    for p in problems:
        print(p)
    print(f"translations: {len(marked)} marked texts, {len(entries)} catalogue entries, "
          f"{len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
