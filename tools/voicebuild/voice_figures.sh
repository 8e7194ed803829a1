#!/bin/bash
# Reproduces the measured figures of data/VOICE.md in one go: mel-cepstral
# distortion against espeak-ng per public sentence (intonation off and on),
# the joins those sentences make, the loudness spread by class, and
# spectrograms of a few sentences, for the voice in data/ and, when a git
# revision is given, for the voice committed there ("before").
#
#   tools/voicebuild/voice_figures.sh OUT_DIR [BEFORE_REVISION]
#
# Needs a built tree (build/: vokrant, vokrant-voice, voicebuild), espeak-ng,
# sox and /usr/bin/python3 with numpy. Prints Markdown; pictures go to OUT_DIR.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:?usage: voice_figures.sh OUT_DIR [BEFORE_REVISION]}
before=${2:-}
sentences=$root/tests/data/voice/public_sentences.txt
voicebuild=$root/build/tools/voicebuild/voicebuild
voicetool=$root/build/apps/vokrant-voice/vokrant-voice
measure=$root/tools/voicebuild/measure_voice.sh
mkdir -p "$out"

# The voice of a label: data/ for "after", the revision's files for "before".
voice_dir() {
    local dir=$out/voice-$1
    mkdir -p "$dir"
    if [ "$1" = after ]; then
        cp "$root"/data/pln_22.als "$root"/data/pln_11.als "$root"/data/client.exp "$dir"/
    else
        for f in pln_22.als pln_11.als client.exp; do git -C "$root" show "$before:data/$f" > "$dir/$f"; done
    fi
    echo "$dir"
}

# Loudness spread by class: every recorded allophone exported, then surveyed.
levels() {
    local voice=$1 dir=$out/levels-$2
    mkdir -p "$dir"
    "$voicetool" info "$voice/pln_22.als" | awk '$1 ~ /^[0-9]+$/ && $1 <= 97 && $3 ~ /^0x/ {print $2}' | sort -u |
        while read -r name; do "$voicetool" export "$voice/pln_22.als" "$name" -o "$dir/$name.wav" > /dev/null; done
    "$voicebuild" levels "$dir"
}

labels=(after)
[ -n "$before" ] && labels=(before after)
for label in "${labels[@]}"; do
    voice=$(voice_dir "$label")
    SENTENCES=$sentences VOKRANT_SET="Intonation=No" SPECTROGRAMS=$out SPECTROGRAM_PREFIX=$label \
        "$measure" "$root/build/apps/vokrant/vokrant" "$voice" "$out/render-$label-flat" > "$out/mcd-$label-flat.txt"
    SENTENCES=$sentences "$measure" "$root/build/apps/vokrant/vokrant" "$voice" "$out/render-$label-tune" \
        > "$out/mcd-$label-tune.txt"
    echo "### Joins ($label)"; echo
    "$voicebuild" joins "$voice" "$sentences"; echo
    echo "### Loudness by class ($label)"; echo
    levels "$voice" "$label"; echo
done

echo "### Mel-cepstral distortion against espeak-ng, dB"; echo
header="| sentence |" rule="|---|"
files=()
for label in "${labels[@]}"; do
    header+=" $label, flat | $label, intonation |"; rule+="---:|---:|"
    files+=("$out/mcd-$label-flat.txt" "$out/mcd-$label-tune.txt")
done
echo "$header"; echo "$rule"
paste "${files[@]}" | awk -v n=${#files[@]} '
    /^mean/ { next }
    { row = "| " ++i " |"; for (k = 0; k < n; ++k) row = row " " $(1 + k * 4) " |"; print row }'
paste "${files[@]}" | awk -v n=${#files[@]} '
    /^mean/ { row = "| mean |"; for (k = 0; k < n; ++k) row = row " **" $(3 + k * 7) "** |"; print row }'
