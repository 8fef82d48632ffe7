#!/usr/bin/env python3
"""Builds the help file data/Kelvara/ReadMe.txt from tools/help/ReadMe.ru.txt.

    python3 tools/make_help.py           # rewrite data/Kelvara/ReadMe.txt
    python3 tools/make_help.py --check   # only compare; exit status 1 when it differs

The source is UTF-8 text, one paragraph per line (the help window wraps long
lines). The help file is UTF-16 little-endian with the FF FE mark and CR LF
line ends, like every text file of the program.

Python 3 standard library only.
"""

import argparse
import sys
from pathlib import Path

TOOLS = Path(__file__).resolve().parent
SOURCE = TOOLS / "help" / "ReadMe.ru.txt"
TARGET = TOOLS.parent / "data" / "Kelvara" / "ReadMe.txt"


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
                        help="compare only; exit status 1 when the help file is out of date")
    args = parser.parse_args()

    wanted = build(SOURCE.read_text(encoding="utf-8"))
    current = TARGET.read_bytes() if TARGET.exists() else None
    if args.check:
        if current != wanted:
            print(f"{TARGET} is out of date: run python3 tools/make_help.py", file=sys.stderr)
            return 1
        return 0
    if current != wanted:
        TARGET.parent.mkdir(parents=True, exist_ok=True)
        TARGET.write_bytes(wanted)
        print(f"wrote {TARGET}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
