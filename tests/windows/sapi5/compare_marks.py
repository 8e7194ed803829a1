#!/usr/bin/env python3
"""Compares the SAPI 5 voice's word and bookmark events with the marks the
Linux build reports for the same text (vokrant --marks): the same marks at the
same bytes, and word offsets that point at the same words.

  compare_marks.py EVENTS MARKS                      offsets must be equal
  compare_marks.py EVENTS MARKS HOST_TEXT LINUX_TEXT the texts differ in markup:
                                                     offsets must name the same words
"""
import json
import re
import sys


def word_at(text, offset):
    match = re.match(r"\w+", text[offset:])
    return match.group(0) if match else text[offset:offset + 1]


def main():
    events = [line.split() for line in open(sys.argv[1], encoding="utf-8") if line.strip()]
    marks = [json.loads(line) for line in open(sys.argv[2], encoding="utf-8") if line.strip()]
    marks = [m for m in marks if m["type"] in ("word", "bookmark")]
    texts = (open(sys.argv[3], encoding="utf-8").read(), sys.argv[4]) if len(sys.argv) > 4 else None
    failures = []
    if len(events) != len(marks):
        failures.append(f"{len(events)} events, {len(marks)} Linux marks")
    for event, mark in zip(events, marks):
        kind, byte, value = event[0], int(event[1]), int(event[2])
        if kind != mark["type"] or byte != mark["byte"]:
            failures.append(f"{event} against {mark}")
        elif kind == "bookmark" and value != mark["value"]:
            failures.append(f"bookmark {value} against {mark['value']}")
        elif kind == "word":
            if texts is None and value != mark["value"]:
                failures.append(f"word at {value} against {mark['value']}")
            elif texts is not None and word_at(texts[0], value) != word_at(texts[1], mark["value"]):
                failures.append(f"word {word_at(texts[0], value)!r} against {word_at(texts[1], mark['value'])!r}")
    for failure in failures:
        print("FAILED:", failure)
    print(f"{len(events)} events compared with the Linux build")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
