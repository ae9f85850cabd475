#!/usr/bin/env bash
# The start of the program, until its first paint, loads neither Qt
# Multimedia and the sound system (loaded at the first sound) nor Qt Print
# Support and the printing system (loaded at the first print) nor Qt Svg nor
# any image-format plugin (the pictures are BMPs, read with their format
# named). Usage: start_loads_test.sh PATH/TO/glosbo
set -euo pipefail
glosbo=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

status=0
XDG_DATA_HOME=$tmp/data XDG_CONFIG_HOME=$tmp/config QT_QPA_PLATFORM=offscreen \
  LD_DEBUG=files LD_DEBUG_OUTPUT=$tmp/ld "$glosbo" --quit-after-paint 2>"$tmp/err" || status=$?
[ "$status" -eq 0 ] || { cat "$tmp/err" >&2; echo "FAIL: the start ended with status $status" >&2; exit 1; }
loaded=$(grep -ho 'file=[^ ]*' "$tmp"/ld.* | sort -u)
[ -n "$loaded" ] || { echo "FAIL: no list of loaded libraries" >&2; exit 1; }
unwanted=$(grep -E 'Multimedia|libpulse|PrintSupport|libcups|Svg|imageformats|glosbo_media|glosbo_printing' <<<"$loaded" || true)
if [ -n "$unwanted" ]; then
  echo "FAIL: loaded at start:" >&2
  echo "$unwanted" >&2
  exit 1
fi
echo "start loads: OK"
