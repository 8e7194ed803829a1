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
        "$vokrant" --voice-dir "$voice_dir" --set "VoicePitch=$percent" \
            -o "$out/$percent/$(printf '%02d' "$n").wav" "$line"
    done < "$sentences"
done

printf '%8s %12s %12s %10s\n' setting 'pitch ratio' 'sample ratio' 'MCD dB'
for percent in $settings; do
    pairs=()
    for wav in "$out/100"/*.wav; do pairs+=("$wav" "$out/$percent/$(basename "$wav")"); done
    distortion=$(/usr/bin/python3 "$mcd" "${pairs[@]}" | awk '/mean/ {print $NF}')
    /usr/bin/python3 - "$out/100" "$out/$percent" "$percent" "$distortion" <<'EOF'
import sys, wave, glob, os
import numpy as np

def pcm(path):
    with wave.open(path) as w:
        return np.frombuffer(w.readframes(w.getnframes()), dtype='<i2').astype(float), w.getframerate()

def pitches(x, rate):
    window, hop = rate // 25, rate // 200
    lo, hi = rate // 400, rate // 60
    frames = [x[i:i + window] for i in range(0, len(x) - window - hi, hop)]
    loud = max(float(np.dot(f, f)) for f in frames)
    out = []
    for i, f in zip(range(0, len(x), hop), frames):
        if np.dot(f, f) < loud * 0.01:
            continue
        a = x[i:i + window // 2]
        r = [np.dot(a, x[i + l:i + l + len(a)]) / (np.sqrt(np.dot(a, a) * np.dot(x[i + l:i + l + len(a)], x[i + l:i + l + len(a)])) + 1e-9) for l in range(lo, hi + 1)]
        best = int(np.argmax(r))
        if r[best] > 0.6:
            out.append(rate / (lo + best))
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
