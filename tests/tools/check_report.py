#!/usr/bin/env python3
"""Checks a design report written by kelvara-calc --report: the HTML parses
with every element closed in order, its SVG picture is well-formed XML, and it
holds the result texts that kelvara-calc --json printed for the same design.

    check_report.py REPORT.html RESULTS.json
"""
import html.parser
import json
import sys
import xml.etree.ElementTree as ET

VOID = {"meta", "br", "link", "img", "input", "hr", "col", "area", "base", "wbr",
        "source", "line", "rect", "polyline"}


class Balance(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.stack = []
        self.errors = []
        self.text = []

    def handle_starttag(self, tag, attrs):
        if tag not in VOID:
            self.stack.append(tag)

    def handle_startendtag(self, tag, attrs):
        pass

    def handle_endtag(self, tag):
        if not self.stack or self.stack[-1] != tag:
            self.errors.append("unexpected </%s> (open: %s)" % (tag, self.stack[-3:]))
        else:
            self.stack.pop()

    def handle_data(self, data):
        self.text.append(data)


def main():
    report, results = sys.argv[1], sys.argv[2]
    with open(report, encoding="utf-8") as f:
        page = f.read()
    parser = Balance()
    parser.feed(page)
    parser.close()
    failures = list(parser.errors)
    if parser.stack:
        failures.append("unclosed: %s" % parser.stack)
    start, end = page.find("<svg"), page.find("</svg>")
    if start < 0 or end < 0:
        failures.append("no SVG picture")
    else:
        ET.fromstring(page[start:end + len("</svg>")])
    text = "".join(parser.text)
    with open(results, encoding="utf-8") as f:
        run = json.load(f)
    for key, value in run["results"].items():
        if value and value not in text:
            failures.append("result %s %r not in the report" % (key, value))
    if failures:
        print("\n".join(failures))
        return 1
    print("report %s: HTML balanced, SVG well-formed, %d result texts found"
          % (report, sum(1 for v in run["results"].values() if v)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
