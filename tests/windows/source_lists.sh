#!/usr/bin/env bash
# The engine builds for Linux and Windows from one source list: the two
# builds' lists are the same apart from the platform layer's system folder,
# and neither compiles the other system's platform files.
#   source_lists.sh WINDOWS_LIST LINUX_LIST
set -uo pipefail
windows=$1 linux=$2
[[ -f $linux ]] || { echo "no Linux build list at $linux: skipped"; exit 77; }
status=0
if grep -q '/platform/linux/' "$windows"; then echo "FAILED: Linux platform files in the Windows engine"; status=1; fi
if grep -q '/platform/windows/' "$linux"; then echo "FAILED: Windows platform files in the Linux engine"; status=1; fi
grep -q '/platform/windows/' "$windows" || { echo "FAILED: no Windows platform layer in the Windows engine"; status=1; }
shared() { grep -v '/platform/\(linux\|windows\)/' "$1" | sed 's|.*/src/||' | sort; }
if ! diff <(shared "$linux") <(shared "$windows"); then echo "FAILED: the shared engine sources differ"; status=1; fi
echo "$(shared "$windows" | wc -l) shared engine sources"
exit $status
