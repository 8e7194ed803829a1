#!/bin/bash
# An installation stands alone: `cmake --install --prefix` puts every file
# under the prefix, and a copy of that tree elsewhere (so neither the build
# tree nor the configured prefix can help) speaks with its own voice through
# vokrant, libvokrant and the speech-dispatcher module. With the copy's voice
# removed each of them must fail rather than fall back on the source tree.
#
# Usage: installed_tree_test.sh BUILD_DIR EXAMPLE_PROGRAM
# The scratch folder lies outside the build tree on purpose: code loaded
# from the build tree may use the source tree's voice.
set -euo pipefail
build=$1
example=$2
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d /tmp/vokrant-prefix.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
export VOKRANT_CONFIG_DIR=$scratch/config
unset VOKRANT_DATA_DIR

fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$scratch/installed" > "$scratch/install.log"
cp -a "$scratch/installed" "$scratch/moved"
root=$scratch/moved
lib=$(cd "$root" && dirname "$(find . -name 'libvokrant.so.0' | head -n 1)")
[ "$lib" != "." ] || fail "libvokrant.so.0 was not installed"

# Everything lands under the prefix, the module and its configuration too.
for file in bin/vokrant bin/vokrant-voice bin/vokrant-regsvr "$lib/libvokrant.so.0" \
    "$lib/libvokrant.so" "$lib/pkgconfig/vokrant.pc" "$lib/vokrant/libvokrant-sapi.so" \
    include/vokrant/vokrant.h share/vokrant/pln_22.als share/vokrant/pln_11.als \
    share/vokrant/client.exp libexec/speech-dispatcher-modules/sd_vokrant \
    etc/speech-dispatcher/modules/vokrant.conf share/man/man1/vokrant.1 \
    share/man/man1/vokrant-voice.1; do
  [ -e "$root/$file" ] || fail "$file is not under the prefix"
done
# The configuration's example voice folder is the one an installation of this build uses.
grep -q "^#VokrantVoiceDir \"$(grep -m1 '^prefix=' "$root/$lib/pkgconfig/vokrant.pc" | cut -d= -f2)/share/vokrant/\"" \
  "$root/etc/speech-dispatcher/modules/vokrant.conf" || fail "vokrant.conf names another voice folder"

speak_all() {
  "$root/bin/vokrant" -o "$scratch/cli.wav" "Dzień dobry." &&
    LD_LIBRARY_PATH=$root/$lib "$example" "" "$scratch/lib.wav" "Dzień dobry."
}
size() { stat -c %s "$1"; }

speak_all || fail "the moved installation cannot speak"
# Half a second of 16-bit sound at 22050 Hz at least, after the 44-byte header.
for wav in cli lib; do
  [ "$(size "$scratch/$wav.wav")" -gt 22094 ] || fail "$wav.wav holds too little sound"
done
status=0
python3 "$here/speak_through_module.py" "$root/libexec/speech-dispatcher-modules" \
  "$root/etc/speech-dispatcher" || status=$?
[ $status -eq 0 ] || [ $status -eq 77 ] || fail "the installed module did not speak"

mv "$root/share/vokrant" "$scratch/voice-away"
if "$root/bin/vokrant" -o "$scratch/none.wav" "Dzień dobry." 2> "$scratch/cli.err"; then
  fail "vokrant spoke without its installed voice"
fi
grep -q "$root/share/vokrant" "$scratch/cli.err" || fail "vokrant did not name its own voice folder: $(cat "$scratch/cli.err")"
if LD_LIBRARY_PATH=$root/$lib "$example" "" "$scratch/none.wav" "Dzień dobry." 2> /dev/null; then
  fail "libvokrant spoke without its installed voice"
fi
if [ $status -eq 0 ]; then
  python3 "$here/speak_through_module.py" "$root/libexec/speech-dispatcher-modules" \
    "$root/etc/speech-dispatcher" --expect-absent || fail "the module started without its voice"
fi
echo PASS
