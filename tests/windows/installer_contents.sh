#!/usr/bin/env bash
# Lists what each installer packs (7z reads NSIS installers), for the 32-bit
# one that these machines cannot run as much as for the 64-bit one: exactly
# the expected files, the DLL and programs of the installer's own width, the
# voice as it is in data/; the 64-bit one also the 32-bit SAPI 5 voice. A
# missing 32-bit build is skipped.
#   installer_contents.sh SOURCE_DIR X64_SETUP X86_SETUP
set -uo pipefail
source=$1
common='LICENSE.txt README.md VOICE.md client.exp pln_11.als pln_22.als uninstall.exe vokrant-sapi5'
tail='vokrant-settings.exe vokrant.dll vokrant.exe'
command -v 7z >/dev/null || { echo "FAILED: 7z is missing (Debian: p7zip-full)"; exit 1; }
status=0

check() {
    local setup=$1 format=$2 stub=$3 expected work listing names f
    expected=$(tr ' ' '\n' <<<"$4" | sort | tr '\n' ' ')
    [[ -f $setup ]] || { echo "skipped (not built): $setup"; return; }
    work=$(mktemp -d)
    listing=$(7z l -slt "$setup")
    names=$(sed -n 's/^Path = //p' <<<"$listing" | grep -v -e '^\$PLUGINSDIR/' -e "^$setup\$" | sort | tr '\n' ' ')
    [[ $names == "$expected" ]] || { echo "FAILED: $setup packs '$names', expected '$expected'"; status=1; }
    grep -qx "SubType = NSIS-3 Unicode$stub" <<<"$listing" || { echo "FAILED: $setup is not a Unicode NSIS$stub installer"; status=1; }
    7z e -y -o"$work" "$setup" vokrant.dll vokrant-sapi5.dll vokrant-sapi5-x86.dll vokrant.exe vokrant-settings.exe pln_22.als >/dev/null
    for f in vokrant.dll vokrant-sapi5.dll vokrant.exe vokrant-settings.exe; do
        x86_64-w64-mingw32-objdump -f "$work/$f" 2>/dev/null | grep -q "file format $format" ||
            { echo "FAILED: $setup: $f is not $format"; status=1; }
    done
    if [[ -f $work/vokrant-sapi5-x86.dll ]]; then
        x86_64-w64-mingw32-objdump -f "$work/vokrant-sapi5-x86.dll" | grep -q 'file format pei-i386' ||
            { echo "FAILED: $setup: vokrant-sapi5-x86.dll is not 32-bit"; status=1; }
    fi
    cmp -s "$work/pln_22.als" "$source/data/pln_22.als" || { echo "FAILED: $setup: pln_22.als differs from data/"; status=1; }
    echo "$setup: $names"
    rm -rf "$work"
}

check "$2" pei-x86-64 ' 64-bit' "$common.dll vokrant-sapi5-x86.dll $tail"
check "$3" pei-i386 '' "$common.dll $tail"
exit $status
