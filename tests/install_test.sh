#!/usr/bin/env bash
# Installs the build into a temporary prefix, moves the whole tree elsewhere
# (an installation must not depend on where it was made), and checks that
# the desktop files pass their validators, the manual pages are clean and
# name every option, and the moved program starts on its own data. Usage:
#   install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
id=se.glosbo.Glosbo

DESTDIR="$work/dest" cmake --install "$build" --prefix /opt/glosbo >/dev/null
[ -x "$work/dest/opt/glosbo/bin/glosbo" ] || fail "DESTDIR was not followed"
mv "$work/dest/opt/glosbo" "$work/moved"
p=$work/moved

for f in bin/glosbo bin/glosbo-data lib/glosbo/libglosbo_media.so lib/glosbo/libglosbo_printing.so \
  lib/glosbo/libglosbo_speech.so \
  share/glosbo/Glos97.Ini share/glosbo/DATA/datfiler.sve \
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
  share/icons/hicolor/scalable/apps/$id.svg share/man/man1/glosbo.1 share/man/man1/glosbo-data.1 \
  share/doc/glosbo/README.md share/doc/glosbo/LICENSE; do
  [ -e "$p/$f" ] || fail "$f is not installed"
done
for size in 16 24 32 48 64 128 256; do
  png=$p/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$png" ] || fail "no ${size}px icon"
  # A PNG with an alpha channel (colour type 6) of the right width.
  [ "$(od -An -tu1 -j25 -N1 "$png" | tr -d ' ')" = 6 ] || fail "${size}px icon has no transparency"
  [ "$(od -An -tu1 -j16 -N4 "$png" | awk '{print $3*256+$4}')" = "$size" ] || fail "${size}px icon has the wrong size"
done

desktop-file-validate "$p/share/applications/$id.desktop" || fail "desktop file"
appstreamcli validate --no-net --pedantic "$p/share/metainfo/$id.metainfo.xml" >"$work/as" 2>&1 ||
  { cat "$work/as" >&2; fail "metainfo"; }
grep -q "release version=\"$("$p/bin/glosbo" --version | awk '{print $2}')\"" \
  "$p/share/metainfo/$id.metainfo.xml" || fail "the metainfo release is not the program's version"

for page in glosbo glosbo-data; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$p/share/man/man1/$page.1" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man $page: $warnings"
done
# Every option of --help is in the manual page, and the other way round.
help_opts=$("$p/bin/glosbo" --help | grep -oE -- '--[a-z-]+' | sort -u)
man_opts=$(grep -oE -- '\\-\\-[a-z]+(\\-[a-z]+)*' "$p/share/man/man1/glosbo.1" | sed 's/\\//g' | sort -u)
[ "$help_opts" = "$man_opts" ] || fail "--help and glosbo.1 differ: $(diff <(echo "$help_opts") <(echo "$man_opts") | tr '\n' ' ')"
plain=$(sed 's/\\-/-/g' "$p/share/man/man1/glosbo-data.1")
for cmd in $("$p/bin/glosbo-data" --help | awk '/^Commands:/{on=1;next} on && /^  [a-z]/{print $1}'); do
  grep -q "^\.B glosbo-data $cmd\b" <<<"$plain" || fail "glosbo-data.1 lacks the command $cmd"
done

# The moved program finds its data and its sound module, as a new user.
home=$work/home
mkdir -p "$home"
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u GLOSBO_INI -u XDG_CONFIG_DIRS HOME="$home" \
  QT_QPA_PLATFORM=offscreen "$p/bin/glosbo" --quit-after-paint >/dev/null 2>"$work/err" ||
  { cat "$work/err" >&2; fail "the moved program did not start"; }
"$p/bin/glosbo-data" check "$p/share/glosbo" >"$work/check" 2>&1 ||
  { cat "$work/check" >&2; fail "glosbo-data check of the installed data root"; }
echo "installed, moved and started"
