#!/usr/bin/env python3
"""How many sentences of the reading corpus a reader gets right.

The corpus (tests/data/reading/corpus.tsv) holds one sentence a row: rule
group, text, the reading a Polish speaker gives, the reading of the written
rules alone, and a comment. This script

  ours     reads the corpus with `vokrant --words` and counts the rows whose
           heard words equal the expected reading (--set options pass through,
           e.g. --set ExtendedReading=No, then compared with the plain column);
  capture  writes the heard words of a vokrant build into the plain column
           (run once on a build without the extended rules);
  espeak   counts the rows espeak-ng reads right: it phonemises the text and
           each accepted reading (`espeak-ng -v pl -q -x`) and compares them,
           ignoring stress marks, pauses and word boundaries;
  compare  both, per group, side by side;
  pcm      writes each row's sample count and FNV-1a 64 checksum of the PCM
           that `vokrant -o` makes of its text (--set options pass through),
           one line a row: samples, checksum (hex), text. Run on the build
           before the extended reading existed, it gives the sound the
           written rules make, which the corpus test holds the switch to.

The expected column may list several accepted readings separated by " | ";
a row is right when the reading matches any of them.

Words are compared as the letters a listener hears: punctuation-only words
are left out, everything is lower-cased.
"""
import argparse
import json
import os
import re
import subprocess
import sys
import tempfile
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
CORPUS = os.path.join(ROOT, "tests", "data", "reading", "corpus.tsv")
COLUMNS = 5

# The engine's number tables spell some numerals as they are pronounced;
# espeak-ng needs the standard spelling to say the same thing. Parts of
# words, so that every inflected form is covered.
STANDARD_SPELLING = [
    ("pieńdziesi", "pięćdziesi"), ("sześdziesi", "sześćdziesi"),
    ("dziewieńdziesi", "dziewięćdziesi"), ("pieńcet", "pięćset"), ("sześset", "sześćset"),
    ("dziewieńcet", "dziewięćset"), ("pietna", "piętna"), ("dziewietna", "dziewiętna"),
]


def read_corpus(path):
    rows = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            fields += [""] * (COLUMNS - len(fields))
            rows.append(fields[:COLUMNS])
    return rows


def write_corpus(path, rows):
    with open(path, encoding="utf-8") as f:
        header = [l for l in f if l.startswith("#")]
    with open(path + ".tmp", "w", encoding="utf-8") as f:
        f.writelines(header)
        for row in rows:
            f.write("\t".join(row).rstrip("\t") + "\n")
    os.replace(path + ".tmp", path)


def heard_per_row(vokrant, texts, options, voice_dir):
    """One vokrant run over all texts (one a line); words go to the row whose
    text holds their offset."""
    request = "\n".join(texts) + "\n"
    starts, at = [], 0
    for text in texts:
        starts.append(at)
        at += len(text) + 1
    with tempfile.TemporaryDirectory() as config:
        env = dict(os.environ, VOKRANT_CONFIG_DIR=config)
        command = [vokrant, "--words", "--voice-dir", voice_dir] + options
        out = subprocess.run(command, input=request.encode("utf-8"), env=env,
                             stdout=subprocess.PIPE, check=True).stdout.decode("utf-8")
    heard = [[] for _ in texts]
    for line in out.splitlines():
        word = json.loads(line)
        text = word["text"]
        if word["hidden"] or word["control"] or not any(c.isalpha() for c in text):
            continue
        row = max(i for i, start in enumerate(starts) if start <= word["offset"])
        heard[row].extend(text.lower().split())
    return [" ".join(words) for words in heard]


def fnv1a64(data):
    value = 0xcbf29ce484222325
    for byte in data:
        value = ((value ^ byte) * 0x100000001b3) & 0xFFFFFFFFFFFFFFFF
    return value


def pcm_per_row(vokrant, texts, options, voice_dir):
    """(samples, checksum) of the sound of each text, each spoken alone."""
    result = []
    with tempfile.TemporaryDirectory() as config:
        # A private TMPDIR: the run's own settings folder (where --set
        # goes) must not be shared with other programs cleaning /tmp.
        env = dict(os.environ, VOKRANT_CONFIG_DIR=config, TMPDIR=config)
        wav_path = os.path.join(config, "row.wav")
        command = [vokrant, "--voice-dir", voice_dir, "-o", wav_path] + options
        for text in texts:
            subprocess.run(command, input=text.encode("utf-8"), env=env, check=True)
            with wave.open(wav_path, "rb") as w:
                frames = w.readframes(w.getnframes())
            result.append((len(frames) // 2, fnv1a64(frames)))
    return result


def phonemes(texts):
    """espeak-ng's phonemes of each text, stress and pauses left out."""
    result = []
    for text in texts:
        out = subprocess.run(["espeak-ng", "-v", "pl", "-q", "-x", text],
                             stdout=subprocess.PIPE, check=True).stdout.decode("utf-8")
        result.append(re.sub(r"[\s'\u02c8\u02cc,_:;.!?-]+", "", out))
    return result


def standard(reading):
    for pronounced, written in STANDARD_SPELLING:
        reading = reading.replace(pronounced, written)
    return reading


def variants(expected):
    return expected.split(" | ")


def ours_right(heard, rows, column):
    if column == 3:
        return [h == row[3] for h, row in zip(heard, rows)]
    return [standard(h) in [standard(v) for v in variants(row[2])] for h, row in zip(heard, rows)]


def espeak_right(rows):
    said = phonemes([row[1] for row in rows])
    right = []
    for s, row in zip(said, rows):
        right.append(s in phonemes([standard(v) for v in variants(row[2])]))
    return right


def per_group(rows, right):
    groups = {}
    for ok, row in zip(right, rows):
        total, good = groups.get(row[0], (0, 0))
        groups[row[0]] = (total + 1, good + ok)
    return groups


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("mode", choices=["ours", "capture", "espeak", "compare", "pcm"])
    parser.add_argument("--vokrant", default=os.path.join(ROOT, "build", "apps", "vokrant", "vokrant"))
    parser.add_argument("--voice-dir", default=os.path.join(ROOT, "data"))
    parser.add_argument("--corpus", default=CORPUS)
    parser.add_argument("--set", action="append", default=[], help="NAME=VALUE for vokrant")
    parser.add_argument("-v", "--verbose", action="store_true", help="list the misses")
    args = parser.parse_args()

    rows = read_corpus(args.corpus)
    texts = [row[1] for row in rows]
    if args.mode == "compare":
        heard = heard_per_row(args.vokrant, texts, [], args.voice_dir)
        ours, theirs = per_group(rows, ours_right(heard, rows, 2)), per_group(rows, espeak_right(rows))
        print(f"{'group':12} {'rows':>5} {'Vokrant':>8} {'espeak-ng':>10}")
        for group, (total, good) in ours.items():
            print(f"{group:12} {total:5} {good:8} {theirs[group][1]:10}")
        print(f"{'all':12} {len(rows):5} {sum(g for _, g in ours.values()):8} "
              f"{sum(g for _, g in theirs.values()):10}")
        return 0
    if args.mode == "pcm":
        options = [x for name in args.set for x in ("--set", name)]
        for (samples, checksum), text in zip(pcm_per_row(args.vokrant, texts, options,
                                                         args.voice_dir), texts):
            print(f"{samples}\t{checksum:016x}\t{text}")
        return 0
    if args.mode == "espeak":
        right = espeak_right(rows)
    else:
        options = [x for name in args.set for x in ("--set", name)]
        heard = heard_per_row(args.vokrant, texts, options, args.voice_dir)
        if args.mode == "capture":
            for row, words in zip(rows, heard):
                row[3] = words
            write_corpus(args.corpus, rows)
            print(f"captured {len(rows)} readings")
            return 0
        column = 3 if any(s.startswith("ExtendedReading=N") for s in args.set) else 2
        right = ours_right(heard, rows, column)
        if args.verbose:
            for ok, h, row in zip(right, heard, rows):
                if not ok:
                    print(f"{row[0]}: {row[1]}\n  want: {row[column]}\n  got:  {h}")
    for group, (total, good) in per_group(rows, right).items():
        print(f"{group:10} {good:4}/{total}")
    print(f"{'all':10} {sum(right):4}/{len(rows)}")
    if args.mode == "espeak" and args.verbose:
        for ok, row in zip(right, rows):
            if ok:
                print("espeak right:", row[1])
    return 0


if __name__ == "__main__":
    sys.exit(main())
