#!/bin/bash
# An installation stands alone: `cmake --install --prefix` puts every file
# under the prefix, and a copy of that tree elsewhere (so neither the build
# tree nor the configured prefix can help) speaks with its own voice through
# vokrant, libvokrant and the speech-dispatcher module. With the copy's voice
# removed each of them must fail rather than fall back on the source tree.
#
# Usage: installed_tree_test.sh BUILD_DIR EXAMPLE_PROGRAM MODULE_DIR CONFIG_DIR
# MODULE_DIR and CONFIG_DIR are the module's folders as configured; given
# absolutely they lie outside the prefix, and the module's part is skipped.
# The installation goes through DESTDIR, so nothing is ever written outside
# the scratch folder. That folder lies outside the build tree on purpose:
# code loaded from the build tree may use the source tree's voice.
set -euo pipefail
build=$1
example=$2
module_dir=$3
config_dir=$4
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d /tmp/vokrant-prefix.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
export VOKRANT_CONFIG_DIR=$scratch/config
unset VOKRANT_DATA_DIR

fail() { echo "FAIL: $*"; exit 1; }
relative() { [ "${1#/}" = "$1" ]; }

DESTDIR=$scratch/destdir cmake --install "$build" --prefix "$scratch/installed" > "$scratch/install.log"
mv "$scratch/destdir$scratch/installed" "$scratch/moved"
root=$scratch/moved
lib=$(cd "$root" && dirname "$(find . -name 'libvokrant.so.0' | head -n 1)")
[ "$lib" != "." ] || fail "libvokrant.so.0 was not installed"
with_module=0
if relative "$module_dir" && relative "$config_dir"; then
  with_module=1
else
  echo "the module's folders are given absolutely ($module_dir, $config_dir): its part is skipped"
fi

# Everything lands under the prefix, the module and its configuration too.
expected=(bin/vokrant bin/vokrant-voice bin/vokrant-regsvr "$lib/libvokrant.so.0"
  "$lib/libvokrant.so" "$lib/pkgconfig/vokrant.pc" "$lib/vokrant/libvokrant-sapi.so"
  include/vokrant/vokrant.h share/vokrant/pln_22.als share/vokrant/pln_11.als
  share/vokrant/client.exp share/man/man1/vokrant.1 share/man/man1/vokrant-voice.1)
[ $with_module -eq 0 ] || expected+=("$module_dir/sd_vokrant" "$config_dir/modules/vokrant.conf")
for file in "${expected[@]}"; do
  [ -e "$root/$file" ] || fail "$file is not under the prefix"
done
if [ $with_module -eq 1 ]; then
  # The example voice folder in the configuration is the one this build's installation uses.
  prefix=$(grep -m1 '^prefix=' "$root/$lib/pkgconfig/vokrant.pc" | cut -d= -f2)
  grep -q "^#VokrantVoiceDir \"$prefix/share/vokrant/\"" "$root/$config_dir/modules/vokrant.conf" ||
    fail "vokrant.conf names another voice folder than $prefix/share/vokrant/"
fi

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
status=77
if [ $with_module -eq 1 ]; then
  status=0
  /usr/bin/python3 "$here/speak_through_module.py" "$root/$module_dir" "$root/$config_dir" || status=$?
  [ $status -eq 0 ] || [ $status -eq 77 ] || fail "the installed module did not speak"
fi

mv "$root/share/vokrant" "$scratch/voice-away"
if "$root/bin/vokrant" -o "$scratch/none.wav" "Dzień dobry." 2> "$scratch/cli.err"; then
  fail "vokrant spoke without its installed voice"
fi
grep -q "$root/share/vokrant" "$scratch/cli.err" || fail "vokrant did not name its own voice folder: $(cat "$scratch/cli.err")"
if LD_LIBRARY_PATH=$root/$lib "$example" "" "$scratch/none.wav" "Dzień dobry." 2> /dev/null; then
  fail "libvokrant spoke without its installed voice"
fi
if [ $status -eq 0 ]; then
  /usr/bin/python3 "$here/speak_through_module.py" "$root/$module_dir" "$root/$config_dir" \
    --expect-absent || fail "the module started without its voice"
fi
echo PASS
