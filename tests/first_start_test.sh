#!/usr/bin/env bash
# Starts the program as a new user would: a fresh HOME with nothing under it
# and no XDG variables, offscreen, until the first paint. Usage:
#   first_start_test.sh PATH/TO/glosbo
set -euo pipefail
glosbo=$1
data=$(cd "$(dirname "$glosbo")" && pwd)/data
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

start() {
  env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u GLOSBO_INI HOME="$home" QT_QPA_PLATFORM=offscreen \
    "$glosbo" --quit-after-paint "$@" 2>"$home/err"
}
fail() {
  echo "FAIL: $*" >&2
  cat "$home/err" >&2
  exit 1
}

# The bundled INI: the program makes its own results directory and the main
# window is the first thing painted.
status=0
start || status=$?
[ "$status" -eq 0 ] || fail "a fresh start ended with status $status"
[ -d "$home/.local/share/glosbo/RESULTAT" ] || fail "no results directory was made"

# A school's INI that names a missing directory: it is not made, and the
# message about it comes before the main window.
cat >"$home/school.ini" <<INI
[Path]
Glos97PCPath=$data
GLOS97ScoreDirectory=$home/skolan/RESULTAT/
GLOS97DiagnosPath=$home/.local/share/glosbo/RESULTAT
INI
status=0
start --ini "$home/school.ini" || status=$?
[ "$status" -eq 3 ] || fail "a school's missing directory gave status $status, not 3"
grep -qF "Katalogen $home/skolan/RESULTAT finns inte." "$home/err" || fail "no message about it"
[ ! -e "$home/skolan" ] || fail "the school's directory was made"

# The school-wide INI that the package installs in /etc/xdg: it keeps the
# results in each user's own directory, which a new user does not have yet;
# the program makes it as for the bundled INI.
mkdir -p "$home/xdg/glosbo" "$home/new"
cat >"$home/xdg/glosbo/Glos97.Ini" <<INI
[Path]
Glos97PCPath=$data
GLOS97ScoreDirectory=\${XDG_DATA_HOME}/glosbo/RESULTAT/
GLOS97DiagnosPath=\${XDG_DATA_HOME}/glosbo/RESULTAT
INI
status=0
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u GLOSBO_INI HOME="$home/new" XDG_CONFIG_DIRS="$home/xdg" \
  QT_QPA_PLATFORM=offscreen "$glosbo" --quit-after-paint 2>"$home/err" || status=$?
[ "$status" -eq 0 ] || fail "a new user on the school-wide INI: status $status"
[ -d "$home/new/.local/share/glosbo/RESULTAT" ] || fail "the school-wide INI's own directory was not made"
echo "first start: OK"
