#!/usr/bin/env bash
# Checks what each built DLL exports and imports (system DLLs only: the C
# and C++ runtimes are linked in). A missing 32-bit build is skipped.
#   dll_tables.sh KIND DLL...
# KIND: sapi4 (vokrant.dll: the four COM entry points, the settings sheet's
# common controls, a version resource), sapi5 (vokrant-sapi5.dll: the four
# COM entry points, a version resource), capi (libvokrant.dll: exactly the
# vokrant_* functions of vokrant.h).
set -uo pipefail
kind=$1
shift
objdump=x86_64-w64-mingw32-objdump
system_dlls='^(kernel32|advapi32|ole32|oleaut32|user32|gdi32|comctl32|comdlg32|msvcrt|uuid|shell32|winmm)\.dll$'
com_exports='DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer '
header="$(dirname "$0")/../../include/vokrant/vokrant.h"
capi_exports=$(grep -o '^[a-z].* \*\?vokrant_[a-z_]*(' "$header" | grep -o 'vokrant_[a-z_]*' | sort | tr '\n' ' ')
status=0 checked=0
for dll in "$@"; do
    [[ -f $dll ]] || { echo "skipped (not built): $dll"; continue; }
    checked=$((checked + 1))
    table=$($objdump -p "$dll")
    exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$table" | awk '/\[ *[0-9]+\]/ {print $NF}' | sort | tr '\n' ' ')
    imports=$(awk '/DLL Name:/ {print tolower($3)}' <<<"$table" | sort -u)
    echo "$dll: exports: $exports"
    echo "$dll: imports: $(tr '\n' ' ' <<<"$imports")"
    expected=$com_exports
    [[ $kind == capi ]] && expected=$capi_exports
    if [[ $exports != "$expected" ]]; then
        echo "FAILED: $dll exports something else than: $expected"; status=1
    fi
    if grep -Evq "$system_dlls" <<<"$imports"; then
        echo "FAILED: $dll imports a DLL that is not part of Windows: $(grep -Ev "$system_dlls" <<<"$imports" | tr '\n' ' ')"; status=1
    fi
    if [[ $kind == sapi4 ]]; then
        # The settings sheet is a property sheet of the common controls.
        grep -qx 'comctl32.dll' <<<"$imports" || { echo "FAILED: $dll has no settings sheet (no comctl32 import)"; status=1; }
    fi
    if [[ $kind != capi ]]; then
        grep -q 'VS_VERSION_INFO\|\.rsrc' <<<"$table" || { echo "FAILED: $dll has no resources"; status=1; }
    fi
done
[[ $checked -gt 0 ]] || { echo "FAILED: no DLL to check"; status=1; }
exit $status
