#!/usr/bin/env bash
# Remakes docs/screenshots/windows-*.png: the native settings sheet of the
# Windows build, its four pages on default settings and the repository's
# sample dictionary, under wine64 and Xvfb.
#   usage: scripts/windows-screenshots.sh [WINDOWS_X64_BUILD_DIR]
# The build needs the test program: cmake --build --preset windows-x64 --target wine_sheet
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-windows-x64}"
program="$build/tests/windows/wine_sheet.exe"
[ -f "$program" ] || { echo "windows-screenshots.sh: $program not built" >&2; exit 1; }
wine=$(command -v wine64 || true)
[[ -n $wine ]] || wine=/usr/lib/wine/wine64

# A fixed place, so that the pictures show the same path on every machine.
scratch=/tmp/vokrant-screenshots
rm -rf "$scratch"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/prefix" "$scratch/pictures"
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# No window manager under Xvfb: Wine draws the windows' frames itself.
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# The prefix's processes started without a display must end before the program runs under Xvfb.
"$(command -v wineserver || echo /usr/lib/wine/wineserver64)" -w
winpath() { printf 'Z:%s' "$(tr / '\\' <<<"$1")"; }
xvfb-run -a -s '-screen 0 1024x768x24' "$wine" "$program" \
    "$(winpath "$root/data/")" "$(winpath "$scratch")" "$(winpath "$scratch/pictures")" 2>"$scratch/log" ||
    { grep -av '^ALSA' "$scratch/log" >&2; exit 1; }
for bmp in "$scratch"/pictures/windows-*.bmp; do
    python3 "$root/scripts/bmp_to_png.py" "$bmp" "$root/docs/screenshots/$(basename "${bmp%.bmp}").png"
done
ls "$root"/docs/screenshots/windows-*.png
