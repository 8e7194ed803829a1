#!/usr/bin/python3
"""Mel-cepstral distortion against espeak-ng by allophone.

    phoneme_distortion.py VOKRANT VOICE_DIR OUT_DIR [SETTING=VALUE ...]

Speaks each public sentence with vokrant (allophone marks on) and espeak-ng,
aligns the two as the shared mcd tool does (13 mel-cepstra, 25 ms frames
every 10 ms, silent frames left out, dynamic time warping) and charges each
frame pair of the best path to the allophone of vokrant's frame. Prints, per
allophone label of the marks, the frames and their mean distortion in dB.
Labels are the marks' values: the letter a sound stands for, or a number.
"""
import json, os, subprocess, sys
import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
SENTENCES = os.path.join(HERE, '..', '..', 'tests', 'data', 'voice', 'public_sentences.txt')


def load(path):
    raw = subprocess.run(['sox', path, '-t', 'raw', '-r', '16000', '-e', 'signed', '-b', '16',
                          '-c', '1', '-'], capture_output=True, check=True).stdout
    return np.frombuffer(raw, dtype='<i2').astype(np.float64) / 32768.0


def mel_filterbank(n_mels=40, n_fft=512, sr=16000):
    def hz2mel(f): return 2595 * np.log10(1 + f / 700)
    def mel2hz(m): return 700 * (10 ** (m / 2595) - 1)
    pts = mel2hz(np.linspace(hz2mel(60), hz2mel(7600), n_mels + 2))
    bins = np.floor((n_fft + 1) * pts / sr).astype(int)
    fb = np.zeros((n_mels, n_fft // 2 + 1))
    for i in range(n_mels):
        l, c, r = bins[i], bins[i + 1], bins[i + 2]
        for k in range(l, c): fb[i, k] = (k - l) / max(1, c - l)
        for k in range(c, r): fb[i, k] = (r - k) / max(1, r - c)
    return fb


FB = mel_filterbank()


def mfcc(x, n=13):
    """Cepstra of the sounding frames and the frames' start times in ms."""
    frame, hop = 400, 160
    if len(x) < frame: x = np.pad(x, (0, frame - len(x)))
    idx = np.arange(frame)[None, :] + hop * np.arange(1 + (len(x) - frame) // hop)[:, None]
    spec = np.abs(np.fft.rfft(x[idx] * np.hamming(frame), 512)) ** 2
    energy = spec.sum(axis=1)
    logmel = 0.5 * np.log(spec @ FB.T + 1e-10)
    M = logmel.shape[1]
    dct = np.cos(np.pi / M * (np.arange(M)[None, :] + 0.5) * np.arange(n)[:, None]) * np.sqrt(2.0 / M)
    c = logmel @ dct.T
    keep = energy > energy.max() * 1e-4
    return c[keep, 1:], np.nonzero(keep)[0] * 10.0 + 12.5


def dtw_path(a, b):
    d = np.sqrt(((a[:, None, :] - b[None, :, :]) ** 2).sum(-1))
    n, m = d.shape
    acc = np.full((n + 1, m + 1), np.inf)
    acc[0, 0] = 0
    for i in range(1, n + 1):
        for j in range(1, m + 1):
            acc[i, j] = d[i - 1, j - 1] + min(acc[i - 1, j - 1], acc[i - 1, j], acc[i, j - 1])
    path, i, j = [], n, m
    while i > 0 and j > 0:
        path.append((i - 1, j - 1, d[i - 1, j - 1]))
        step = np.argmin([acc[i - 1, j - 1], acc[i - 1, j], acc[i, j - 1]])
        i, j = (i - 1, j - 1) if step == 0 else (i - 1, j) if step == 1 else (i, j - 1)
    return path


def label(value):
    return chr(value) if 32 < value < 256 else str(value)


def main():
    vokrant, voice, out = sys.argv[1:4]
    sets = [a for s in sys.argv[4:] for a in ('--set', s)]
    os.makedirs(out, exist_ok=True)
    totals = {}
    for n, line in enumerate(l.strip() for l in open(SENTENCES, encoding='utf-8')):
        if not line: continue
        ref, test = os.path.join(out, f'ref{n}.wav'), os.path.join(out, f'test{n}.wav')
        if not os.path.exists(ref):
            subprocess.run(['espeak-ng', '-v', 'pl', '-w', ref, line], check=True)
        marks = subprocess.run([vokrant, '--voice-dir', voice, *sets, '--marks', '-o', test, line],
                               capture_output=True, text=True, check=True).stdout
        starts = [(m['ms'], label(m['value'])) for m in map(json.loads, marks.splitlines())
                  if m['type'] == 'allophone']
        times = np.array([s[0] for s in starts])
        ours, our_ms = mfcc(load(test))
        theirs, _ = mfcc(load(ref))
        for i, _, dist in dtw_path(ours, theirs):
            at = np.searchsorted(times, our_ms[i], side='right') - 1
            if at < 0: continue
            t = totals.setdefault(starts[at][1], [0, 0.0])
            t[0] += 1
            t[1] += 10 / np.log(10) * np.sqrt(2) * dist
    for name, (count, total) in sorted(totals.items(), key=lambda kv: -kv[1][0]):
        print(f'{name}\t{count}\t{total / count:.1f}')


main()
