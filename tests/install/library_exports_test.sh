#!/bin/bash
# The shared library's name and exports are the ones the symbols file
# records: SONAME libvokrant.so.<N> for the package libvokrant<N>, and
# exactly the listed vokrant_* functions, every one the header declares. A
# function removed (or added without a line in the symbols file) fails here
# as it fails the package build.
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: library_exports_test.sh LIBRARY SYMBOLS_FILE HEADER"; exit 2; }
library=$1
symbols=$2
header=$3
status=0
fail() { echo "FAIL: $*"; status=1; }

read -r recorded_soname package _ < "$symbols"
soname=$(objdump -p "$library" | awk '$1 == "SONAME" { print $2 }')
[ "$soname" = "$recorded_soname" ] || fail "SONAME is '$soname', the symbols file records '$recorded_soname'"
major=${soname##*.so.}
[ "$package" = "libvokrant$major" ] || fail "the package $package does not carry the SONAME's number $major"

listed=$(awk '/^ / { sub(/@.*/, "", $1); print $1 }' "$symbols" | sort)
exported=$(nm -D --defined-only "$library" | awk '{ print $3 }' | sed 's/@.*//' | sort)
declared=$(grep -oE '\bvokrant_[a-z_0-9]+\(' "$header" | tr -d '(' | sort -u)
[ -n "$listed" ] || fail "the symbols file lists no function"

missing=$(comm -23 <(echo "$listed") <(echo "$exported"))
extra=$(comm -13 <(echo "$listed") <(echo "$exported"))
undeclared=$(comm -23 <(echo "$declared") <(echo "$exported"))
[ -z "$missing" ] || fail "listed but not exported: $missing"
[ -z "$extra" ] || fail "exported but not in the symbols file: $extra"
[ -z "$undeclared" ] || fail "declared in the header but not exported: $undeclared"
[ $status -eq 0 ] && echo "PASS: $soname exports the $(echo "$listed" | wc -l) recorded functions"
exit $status
