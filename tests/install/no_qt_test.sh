#!/bin/bash
# None of the given programs or libraries needs a Qt library, directly or
# through another library: the packages that hold them must not pull in Qt.
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: no_qt_test.sh FILE..."; exit 2; }
status=0
for file in "$@"; do
  if ! needed=$(ldd "$file"); then
    echo "FAIL: ldd cannot read $file"
    status=1
  elif grep -qi "libqt" <<< "$needed"; then
    echo "FAIL: $file needs Qt:"
    grep -i "libqt" <<< "$needed"
    status=1
  fi
done
[ $status -eq 0 ] && echo "PASS: no Qt in $# files"
exit $status
