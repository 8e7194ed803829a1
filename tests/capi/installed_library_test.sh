#!/bin/sh
# Installs the build into a scratch root and builds the example as an outside
# program would: header and library found through pkg-config, nothing but
# vokrant_* exported, the installed voice speaking.
# Usage: installed_library_test.sh BUILD_DIR EXAMPLE_SOURCE
set -eu
build=$1
example=$2
root=$(mktemp -d /tmp/vokrant-install.XXXXXX)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" > "$root/install.log"
pc=$(find "$root" -name vokrant.pc | head -n 1)
[ -n "$pc" ] || { echo "FAIL: vokrant.pc not installed"; exit 1; }
export PKG_CONFIG_PATH=$(dirname "$pc") PKG_CONFIG_SYSROOT_DIR="$root"
lib=$(find "$root" -name 'libvokrant.so.*.*.*' | head -n 1)
others=$(nm -D --defined-only "$lib" | awk '$2 ~ /^[TDBRW]$/ && $3 !~ /^vokrant_/ {print $3}')
[ -z "$others" ] || { echo "FAIL: exported beside vokrant_*: $others"; exit 1; }
cc -Wall -Werror "$example" $(pkg-config --cflags --libs vokrant) -o "$root/speak_to_wav"
share=$(dirname "$(find "$root" -name pln_22.als | head -n 1)")
LD_LIBRARY_PATH=$(dirname "$lib") VOKRANT_CONFIG_DIR="$root/config" \
  "$root/speak_to_wav" "$share" "$root/out.wav" "Zainstalowany głos mówi."
size=$(stat -c %s "$root/out.wav")
[ "$size" -gt 22050 ] || { echo "FAIL: $size bytes of WAV"; exit 1; }
for f in sd_vokrant vokrant.conf vokrant.h vokrant libvokrant-sapi.so; do
  [ -n "$(find "$root" -name "$f")" ] || { echo "FAIL: $f not installed"; exit 1; }
done
echo PASS
