#!/usr/bin/env python3
"""Builds the help files data/Kelvara/ReadMe.txt and ReadMe.en.txt from tools/help.

    python3 tools/make_help.py           # rewrite the help files that differ
    python3 tools/make_help.py --check   # only compare; exit status 1 when one differs

tools/help/ReadMe.ru.txt gives the Russian help data/Kelvara/ReadMe.txt, and
tools/help/ReadMe.en.txt its English twin data/Kelvara/ReadMe.en.txt (shown
when the interface is in English). A source is UTF-8 text, one paragraph per
line (the help window wraps long lines). A help file is UTF-16 little-endian
with the FF FE mark and CR LF line ends, like every text file of the program.

Python 3 standard library only.
"""

import argparse
import sys
from pathlib import Path

TOOLS = Path(__file__).resolve().parent
PROGRAM_FOLDER = TOOLS.parent / "data" / "Kelvara"
# (source, help file): the Russian help, then its English twin.
HELP_FILES = (
    (TOOLS / "help" / "ReadMe.ru.txt", PROGRAM_FOLDER / "ReadMe.txt"),
    (TOOLS / "help" / "ReadMe.en.txt", PROGRAM_FOLDER / "ReadMe.en.txt"),
)


def build(text):
    """The bytes of the help file for the source text."""
    if text.startswith("\ufeff"):
        text = text[1:]
    lines = text.replace("\r\n", "\n").replace("\r", "\n").split("\n")
    # Trailing blanks are invisible in the window and only make diffs noisy.
    body = "\r\n".join(line.rstrip(" \t") for line in lines)
    if "\0" in body:
        raise ValueError("the help text must not hold a NUL character: the text would end there")
    return b"\xff\xfe" + body.encode("utf-16-le")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="compare only; exit status 1 when a help file is out of date")
    args = parser.parse_args()

    status = 0
    for source, target in HELP_FILES:
        wanted = build(source.read_text(encoding="utf-8"))
        current = target.read_bytes() if target.exists() else None
        if current == wanted:
            continue
        if args.check:
            print(f"{target} is out of date: run python3 tools/make_help.py", file=sys.stderr)
            status = 1
            continue
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(wanted)
        print(f"wrote {target}")
    return status


if __name__ == "__main__":
    sys.exit(main())
