#!/usr/bin/env bash
# Runs the program as a pupil's account would, with HOME, the XDG
# directories, TMPDIR and the working directory all inside one temporary
# directory, and fails when a file appears anywhere but in the results and
# diagnosis directory and the XDG base directories, or when the data root
# changes. Usage:
#   writes_test.sh PATH/TO/glosbo PATH/TO/glosbo-data
set -euo pipefail
glosbo=$1
tool=$2
data=$(cd "$(dirname "$glosbo")" && pwd)/data
top=$(mktemp -d)
trap 'rm -rf "$top"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
mkdir -p "$top/home" "$top/tmp" "$top/cwd" "$top/shots"
export HOME=$top/home TMPDIR=$top/tmp XDG_CONFIG_HOME=$top/home/.config \
  XDG_DATA_HOME=$top/home/.local/share XDG_CACHE_HOME=$top/home/.cache \
  XDG_STATE_HOME=$top/home/.local/state XDG_RUNTIME_DIR=$top/runtime QT_QPA_PLATFORM=offscreen
mkdir -m 700 "$top/runtime"
unset GLOSBO_INI XDG_CONFIG_DIRS
cd "$top/cwd"
before=$(cd "$data" && find . -type f -printf '%p %s %T@\n' | sort | md5sum)

run() {
  "$glosbo" "$@" >/dev/null 2>>"$top/err" || fail "glosbo $* ended with status $? ($(tail -3 "$top/err"))"
}
run --quit-after-paint
for page in TManual TOmTolm TKarta TFlagga TSvHymn; do
  run --window "$page" --screenshot "$top/shots/$page.png"
done
for file in SVE23100.DAT SVE45000.DAT SVE47100.DAT SVE55000.DAT SVE51000.DAT SVE32220.DAT; do
  run --exercise "$file" --screenshot "$top/shots/$file.png"
done
# A diagnosis result saved through the program's own saving, where the
# program keeps it.
results=$XDG_DATA_HOME/glosbo/RESULTAT
"$tool" diagnosis "$results/SDIAG.DIA" --set KALLE 1 20 >/dev/null ||
  fail "the diagnosis save failed"

after=$(cd "$data" && find . -type f -printf '%p %s %T@\n' | sort | md5sum)
[ "$before" = "$after" ] || fail "the data root changed"
stray=$(cd "$top" && find . -type f \
  ! -path './home/.local/share/glosbo/*' ! -path './home/.config/*' ! -path './home/.cache/*' \
  ! -path './home/.local/state/*' ! -path './runtime/*' ! -path './shots/*' ! -name err)
[ -z "$stray" ] || fail "files written outside the program's directories: $stray"
[ -f "$results/SDIAG.DIA" ] || fail "no diagnosis file"
echo "nothing written outside the results and XDG directories"
