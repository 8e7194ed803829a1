#!/usr/bin/python3
"""Writes real Polish prose, one paragraph a line, from Debian's fortunes-pl.

    fortune_prose.py [FORTUNES_DIR] > prose.txt

The context recordings are cut from espeak-ng speaking prose; the generated
page of bench/prose_pl.txt repeats a few phrase tables, so many pairs of
neighbours that Polish text gives (a "d" before a "b" across two words, say)
never occur in it. Stories, jokes and quotations from the package fill them
in. The collections are named here so that a rebuild reads the same text
(fortunes-pl 0.0.20130525 in Debian 12); nothing of them is kept in the
repository. Signatures, headings and entries without a Polish letter (mostly
English, code or ASCII art) are left out.
"""
import os
import re
import sys

COLLECTIONS = [
    "bajki", "dowcipy", "dzieci", "milosc", "matura", "pamietnik_policjanta",
    "pratchett", "puchatek", "sapkowski", "seneka", "sport", "teleturnieje",
    "spolem", "konikbujany", "psy1", "rzewski", "stirlitz",
]
POLISH_LETTERS = set("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ")


def paragraphs(text):
    """The entries of a fortune file (separated by '%' lines) as paragraphs."""
    for entry in text.split("\n%\n"):
        lines = []
        for line in entry.split("\n"):
            stripped = line.strip()
            # An indented line is a signature or source; '--' starts one too.
            if not stripped or stripped == "%" or line.startswith("\t") or stripped.startswith("--"):
                continue
            stripped = re.sub(r"^[-–—]\s*", "", stripped)  # a dialogue dash
            stripped = re.sub(r"^<[^>]*>\s*", "", stripped)  # a chat nick
            lines.append(stripped)
        paragraph = " ".join(lines)
        if sum(c.isalpha() for c in paragraph) >= 20 and POLISH_LETTERS & set(paragraph):
            yield paragraph


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/games/fortunes/pl"
    for name in COLLECTIONS:
        path = os.path.join(folder, name)
        if not os.path.isfile(path):
            sys.exit(f"fortune_prose: {path} is missing (Debian package fortunes-pl)")
        with open(path, encoding="utf-8", errors="replace") as f:
            for paragraph in paragraphs(f.read()):
                print(paragraph)


main()
