#!/usr/bin/python3
"""Checks that a WAV file holds speech as Vokrant makes it: 16-bit mono PCM
at 22050 Hz, at least MIN_SECONDS long, with at least half a second of
samples louder than 1000.

Usage: wav_check.py FILE MIN_SECONDS"""
import array
import sys
import wave


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    path, min_seconds = sys.argv[1], float(sys.argv[2])
    with wave.open(path, "rb") as w:
        shape = (w.getnchannels(), w.getsampwidth(), w.getframerate())
        frames = w.readframes(w.getnframes())
    if shape != (1, 2, 22050):
        print("FAIL: %s is %s (channels, bytes, rate), not (1, 2, 22050)" % (path, shape))
        return 1
    samples = array.array("h")
    samples.frombytes(frames)
    seconds = len(samples) / 22050
    loud = sum(1 for s in samples if abs(s) > 1000)
    print("%s: %.2f s, %d loud samples" % (path, seconds, loud))
    if seconds < min_seconds or loud < 11025:
        print("FAIL: too short or too quiet")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
