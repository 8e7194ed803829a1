#!/bin/bash
# Measures the shipped voice against espeak-ng, its source: mel-cepstral
# distortion per public sentence, plus spectrograms of a few of them.
#
#   tools/voicebuild/measure_voice.sh [VOKRANT] [VOICE_DIR] [OUT_DIR]
#
# VOKRANT defaults to build/apps/vokrant/vokrant, VOICE_DIR to data/, OUT_DIR
# to a scratch folder; SENTENCES to the public sentences, MCD to the shared
# mcd tool. espeak-ng references are kept in OUT_DIR/ref and only
# rendered when missing. Extra settings go through VOKRANT_SET, e.g.
# VOKRANT_SET="Intonation=No". Prints one line per sentence and the mean.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
vokrant=${1:-$here/build/apps/vokrant/vokrant}
voice_dir=${2:-$here/data}
out=${3:-${TMPDIR:-/tmp}/vokrant-measure}
sentences=${SENTENCES:-$here/tests/data/voice/public_sentences.txt}
mcd=${MCD:-$here/../shared/tools/mcd}
[ -f "$mcd" ] || mcd=/work/shared/tools/mcd
mkdir -p "$out/ref" "$out/test"

sets=()
for s in ${VOKRANT_SET:-}; do sets+=(--set "$s"); done

pairs=()
n=0
while IFS= read -r line; do
    [ -n "$line" ] || continue
    n=$((n + 1))
    id=$(printf '%02d' "$n")
    [ -s "$out/ref/$id.wav" ] || espeak-ng -v pl -w "$out/ref/$id.wav" "$line"
    "$vokrant" --voice-dir "$voice_dir" "${sets[@]}" -o "$out/test/$id.wav" "$line"
    pairs+=("$out/ref/$id.wav" "$out/test/$id.wav")
done < "$sentences"

/usr/bin/python3 "$mcd" "${pairs[@]}" | sed "s|$out/||g"

if [ -n "${SPECTROGRAMS:-}" ]; then
    mkdir -p "$SPECTROGRAMS"
    for id in ${SPECTROGRAM_SENTENCES:-01 09 21}; do
        prefix=${SPECTROGRAM_PREFIX:-vokrant}
        sox "$out/test/$id.wav" -n spectrogram -x 900 -y 257 -z 80 -t "$prefix, sentence $id" \
            -o "$SPECTROGRAMS/sentence$id-$prefix.png"
        sox "$out/ref/$id.wav" -n spectrogram -x 900 -y 257 -z 80 -t "espeak-ng, sentence $id" \
            -o "$SPECTROGRAMS/sentence$id-espeak.png"
    done
fi
