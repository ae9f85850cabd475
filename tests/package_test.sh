#!/usr/bin/env bash
# Makes the Debian package from the build tree with CPack into a temporary
# directory and checks it: the file list (program, tool, modules, data,
# desktop files, manual pages, the school-wide INI and nothing outside /usr
# and /etc/xdg/glosbo), the control fields, the dependencies (computed ones
# and the runtime ones, no build-only package), the configuration file, and
# one version everywhere. lintian runs too when it is installed. Usage:
#   package_test.sh BUILD_DIR SOURCE_DIR
# Exits 77 (skipped) without Debian's packaging tools.
set -euo pipefail
build=$1
source=$2
for tool in dpkg-deb dpkg-shlibdeps file cpack; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is missing; the Debian package needs dpkg-dev and file (scripts/deps.txt)"
    exit 77
  fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

version=$("$build/glosbo" --version | awk '{print $2}')
[ "$("$build/glosbo-data" --version)" = "glosbo-data $version" ] ||
  fail "glosbo-data --version is not the program's version $version"

# gzip instead of the package's xz: the same contents, made in seconds.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" \
  -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$work/out/glosbo_${version}_amd64.deb
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$work/out")"

# The control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = glosbo ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version $(field Version) is not $version"
[ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
[ -n "$(field Maintainer)" ] && [ -n "$(field Description)" ] || fail "no Maintainer or Description"
depends=$(field Depends)
names=$(tr ',|' '\n\n' <<<"$depends" | sed -E 's/\(.*\)//; s/^ +//; s/ +$//' | sort -u)
# From the binaries (dpkg-shlibdeps) and the runtime packages not linked.
for p in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 \
  libqt6printsupport6 libqt6svg6 fonts-liberation gstreamer1.0-plugins-base \
  gstreamer1.0-plugins-good gstreamer1.0-pulseaudio libespeak-ng1 qt6-translations-l10n; do
  grep -qx "$p" <<<"$names" || fail "Depends lacks $p: $depends"
done
# No development package, and nothing that scripts/deps.txt installs only to
# build or test.
runtime='fonts-liberation|gstreamer1.0-.*|libespeak-ng1|qt6-translations-l10n'
grep -E -- '-dev$' <<<"$names" && fail "Depends names a development package: $depends"
while read -r p; do
  [[ $p =~ ^($runtime)$ ]] && continue
  grep -qx "$p" <<<"$names" && fail "Depends names the build package $p: $depends"
done < <(grep -v -E '^\s*(#|$)' "$source/scripts/deps.txt")

# The school-wide INI is a configuration file, and the only one.
dpkg-deb -e "$deb" "$work/control"
[ "$(cat "$work/control/conffiles")" = /etc/xdg/glosbo/Glos97.Ini ] ||
  fail "conffiles: $(cat "$work/control/conffiles")"

# The file list: everything under /usr, but the INI under /etc/xdg/glosbo.
dpkg-deb -c "$deb" >"$work/list"
awk '{print $6}' "$work/list" | sed 's|^\./|/|' >"$work/files"
id=se.glosbo.Glosbo
for f in /usr/bin/glosbo /usr/bin/glosbo-data /usr/lib/glosbo/libglosbo_media.so \
  /usr/lib/glosbo/libglosbo_printing.so /usr/lib/glosbo/libglosbo_speech.so \
  /usr/share/glosbo/Glos97.Ini \
  /usr/share/glosbo/DATA/datfiler.sve /usr/share/applications/$id.desktop \
  /usr/share/metainfo/$id.metainfo.xml /usr/share/icons/hicolor/scalable/apps/$id.svg \
  /usr/share/icons/hicolor/48x48/apps/$id.png /usr/share/man/man1/glosbo.1.gz \
  /usr/share/man/man1/glosbo-data.1.gz /usr/share/doc/glosbo/copyright \
  /usr/share/doc/glosbo/changelog.gz /etc/xdg/glosbo/Glos97.Ini; do
  grep -qx "$f" "$work/files" || fail "the package lacks $f"
done
outside=$(grep -v -E '^/(usr|usr/.*|etc/|etc/xdg/|etc/xdg/glosbo/.*)$' "$work/files" || true)
[ -z "$outside" ] || fail "files outside /usr and /etc/xdg/glosbo: $outside"
awk '$2 != "root/root"' "$work/list" | grep . && fail "files not owned by root"
# Every file of the bundled data root is packed.
built=$(cd "$build/data" && find . -type f | wc -l)
packed=$(grep -c '^/usr/share/glosbo/.*[^/]$' "$work/files")
[ "$built" -eq "$packed" ] || fail "$packed files under /usr/share/glosbo, the data root has $built"

# The packed binaries are stripped, and the INI names the installed data.
dpkg-deb --fsys-tarfile "$deb" | tar -x -C "$work" ./usr/bin ./usr/lib ./etc
for f in "$work"/usr/bin/* "$work"/usr/lib/glosbo/*; do
  file -b "$f" | grep -q ', stripped' || fail "$(basename "$f") is not stripped"
done
grep -qx 'Glos97PCPath=/usr/share/glosbo' "$work/etc/xdg/glosbo/Glos97.Ini" ||
  fail "the school-wide INI does not name /usr/share/glosbo"

if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" >"$work/lintian" 2>&1 || { cat "$work/lintian" >&2; fail "lintian errors"; }
else
  echo "lintian is not installed: not run (scripts/package runs it)"
fi
echo "package $(basename "$deb"): $(wc -l <"$work/files") entries, Depends: $depends"
