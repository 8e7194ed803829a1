#!/usr/bin/env bash
# Remakes docs/screenshots/ from a build: the sheet on default settings and
# the repository's sample dictionary, under Xvfb when it is installed (else on
# Qt's offscreen platform).
#   usage: apps/vokrant-settings/screenshots.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build}"
program="$build/apps/vokrant-settings/vokrant-settings"
[ -x "$program" ] || { echo "screenshots.sh: $program not built (Qt 6 missing?)" >&2; exit 1; }

# A fixed place, so that the pictures show the same path on every machine.
scratch=/tmp/vokrant-screenshots
rm -rf "$scratch"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/share/vokrant"
cp "$root/data/client.exp" "$scratch/share/vokrant/"
export VOKRANT_CONFIG_DIR="$scratch/config"
export VOKRANT_DATA_DIR="$scratch/share/vokrant/"
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$VOKRANT_CONFIG_DIR" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

if command -v xvfb-run > /dev/null; then
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" "$program" --screenshot "$root/docs/screenshots"
else
  QT_QPA_PLATFORM=offscreen "$program" --screenshot "$root/docs/screenshots"
fi
ls "$root/docs/screenshots"
