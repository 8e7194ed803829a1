#!/bin/bash
# Measures how far the voice's own pitch (the VoicePitch setting) moves the
# voice: for each setting, over the public sentences, the median pitch of the
# voiced frames against the natural voice's, the sample count against the
# natural voice's, and the mel-cepstral distortion from the natural voice
# (what moving every formant with the pitch costs).
#
#   tools/voicebuild/voice_pitch_range.sh [VOKRANT] [VOICE_DIR] [OUT_DIR]
#
# Needs sox and /usr/bin/python3 with numpy (the shared mcd tool's needs).
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
vokrant=${1:-$here/build/apps/vokrant/vokrant}
voice_dir=${2:-$here/data}
out=${3:-${TMPDIR:-/tmp}/vokrant-voice-pitch}
sentences=${SENTENCES:-$here/tests/data/voice/public_sentences.txt}
mcd=${MCD:-/work/shared/tools/mcd}
settings=${VOICE_PITCHES:-50 60 70 80 90 100 110 120 130 140 150 170 200}

for percent in $settings; do
    mkdir -p "$out/$percent"
    n=0
    while IFS= read -r line; do
        [ -n "$line" ] || continue
        n=$((n + 1))
        wav=$out/$percent/$(printf '%02d' "$n").wav
        [ -s "$wav" ] || "$vokrant" --voice-dir "$voice_dir" --set "VoicePitch=$percent" -o "$wav" "$line"
    done < "$sentences"
done

printf '%8s %12s %12s %10s\n' setting 'pitch ratio' 'sample ratio' 'MCD dB'
for percent in $settings; do
    pairs=()
    for wav in "$out/100"/*.wav; do pairs+=("$wav" "$out/$percent/$(basename "$wav")"); done
    distortion=$(/usr/bin/python3 "$mcd" "${pairs[@]}" | awk '/mean/ {print $3}')
    /usr/bin/python3 - "$out/100" "$out/$percent" "$percent" "$distortion" <<'EOF'
import sys, wave, glob, os
import numpy as np

def pcm(path):
    with wave.open(path) as w:
        return np.frombuffer(w.readframes(w.getnframes()), dtype='<i2').astype(float), w.getframerate()

def pitches(x, rate):
    # Frames of 40 ms every 5 ms; the autocorrelation of each frame by FFT.
    window, hop = rate // 25, rate // 200
    lo, hi = rate // 400, rate // 60
    starts = range(0, len(x) - window, hop)
    frames = np.array([x[i:i + window] for i in starts])
    energy = (frames ** 2).sum(axis=1)
    spectrum = np.fft.rfft(frames * np.hanning(window), 2 * window)
    r = np.fft.irfft(np.abs(spectrum) ** 2)[:, :window]
    r = r / np.maximum(r[:, :1], 1e-9)
    out = []
    for k in range(len(frames)):
        if energy[k] < energy.max() * 0.01:
            continue
        best = lo + int(np.argmax(r[k, lo:hi + 1]))
        if r[k, best] > 0.4:
            out.append(rate / best)
    return out

natural, shifted, n0, n1 = [], [], 0, 0
for path in sorted(glob.glob(os.path.join(sys.argv[1], '*.wav'))):
    a, rate = pcm(path)
    b, _ = pcm(os.path.join(sys.argv[2], os.path.basename(path)))
    n0 += len(a); n1 += len(b)
    natural += pitches(a, rate); shifted += pitches(b, rate)
print('%8s %12.3f %12.4f %10s' % (sys.argv[3], np.median(shifted) / np.median(natural), n1 / n0, sys.argv[4]))
EOF
done
