#!/bin/bash
# Which way of keying context recordings buys the most distortion per byte:
# builds the context section under each scheme and budget into a scratch
# copy of the voice and measures it on the public sentences.
#
#   tools/voicebuild/context_schemes.sh [PROSE] [SCHEMES...]
#
# SCHEMES are voicebuild's --scheme lists (default: a set worth comparing);
# BUDGETS the seconds of recordings at 22050 Hz to try (default "19");
# VOKRANT_SET extra settings for the measurement. The prose's tokens are cut
# once and kept in OUT_DIR/tokens.bin. Prints scheme, budget, bytes, MCD.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
prose=${1:-$here/bench/prose_pl.txt}
shift || true
schemes=("$@")
[ ${#schemes[@]} -gt 0 ] || schemes=(pair classes after before pair,classes classes,after,before pair,classes,after,before)
out=${OUT_DIR:-${TMPDIR:-/tmp}/vokrant-schemes}
voicebuild=${VOICEBUILD:-$here/build/tools/voicebuild/voicebuild}
mkdir -p "$out"
for scheme in "${schemes[@]}"; do
    for seconds in ${BUDGETS:-19}; do
        dir="$out/${scheme//,/+}-$seconds"
        mkdir -p "$dir"
        cp "$here/data/pln_22.als" "$here/data/pln_11.als" "$dir/"
        "$voicebuild" contexts "$dir" "$prose" --scheme "$scheme" --seconds "$seconds" \
            --tokens "$out/tokens.bin" >/dev/null
        bytes=$(($(stat -c %s "$dir/pln_22.als") + $(stat -c %s "$dir/pln_11.als")))
        mcd=$("$here/tools/voicebuild/measure_voice.sh" "$here/build/apps/vokrant/vokrant" "$dir" \
            "$out/measure" 2>/dev/null | tail -1)
        echo "$scheme $seconds s: $bytes bytes, $mcd"
    done
done
