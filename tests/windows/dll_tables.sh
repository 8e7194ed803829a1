#!/usr/bin/env bash
# Checks what each built vokrant.dll exports (exactly the four COM entry
# points, by their plain names) and imports (system DLLs only: the C and C++
# runtimes are linked in), the settings sheet's common controls among them. A missing 32-bit build is skipped.
#   dll_tables.sh DLL...
set -uo pipefail
objdump=x86_64-w64-mingw32-objdump
system_dlls='^(kernel32|advapi32|ole32|oleaut32|user32|gdi32|comctl32|comdlg32|msvcrt|uuid|shell32|winmm)\.dll$'
status=0 checked=0
for dll in "$@"; do
    [[ -f $dll ]] || { echo "skipped (not built): $dll"; continue; }
    checked=$((checked + 1))
    table=$($objdump -p "$dll")
    exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$table" | awk '/\[ *[0-9]+\]/ {print $NF}' | sort | tr '\n' ' ')
    imports=$(awk '/DLL Name:/ {print tolower($3)}' <<<"$table" | sort -u)
    echo "$dll: exports: $exports"
    echo "$dll: imports: $(tr '\n' ' ' <<<"$imports")"
    if [[ $exports != 'DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer ' ]]; then
        echo "FAILED: $dll exports something else"; status=1
    fi
    if grep -Evq "$system_dlls" <<<"$imports"; then
        echo "FAILED: $dll imports a DLL that is not part of Windows: $(grep -Ev "$system_dlls" <<<"$imports" | tr '\n' ' ')"; status=1
    fi
    # The settings sheet is a property sheet of the common controls.
    grep -qx 'comctl32.dll' <<<"$imports" || { echo "FAILED: $dll has no settings sheet (no comctl32 import)"; status=1; }
    grep -q 'VS_VERSION_INFO\|\.rsrc' <<<"$table" || { echo "FAILED: $dll has no resources"; status=1; }
done
[[ $checked -gt 0 ]] || { echo "FAILED: no DLL to check"; status=1; }
exit $status
