#!/usr/bin/env bash
# Checks the Debian package without installing it: lintian, the files a desktop
# and Debian need, the libraries of the unpacked program, and a start and end
# of the unpacked program, started by its desktop entry's command.
# Usage: package_test.sh PACKAGE.deb
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
deb=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Every warning is fixed or explained in the package's lintian overrides.
lintian --fail-on error,warning "$deb" || fail "lintian found the problems above"

depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 fonts-liberation2; do
    grep -q "$d" <<<"$depends" || fail "Depends lacks $d: $depends"
done

tree=$work/tree
dpkg-deb -x "$deb" "$tree"
for f in usr/bin/tavrel usr/share/man/man6/tavrel.6.gz usr/bin/tavrel-sim usr/share/man/man6/tavrel-sim.6.gz \
         usr/share/applications/de.tavrel.Tavrel.desktop \
         usr/share/metainfo/de.tavrel.Tavrel.metainfo.xml \
         usr/share/icons/hicolor/64x64/apps/de.tavrel.Tavrel.png \
         usr/share/doc/tavrel/copyright usr/share/doc/tavrel/changelog.gz \
         usr/share/lintian/overrides/tavrel; do
    [ -f "$tree/$f" ] || fail "not in the package: /$f"
done
[ ! -e "$tree/usr/bin/tavrel-replay" ] || fail "the developers' tavrel-replay is in the package"
desktop=$tree/usr/share/applications/de.tavrel.Tavrel.desktop
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$tree/usr/share/metainfo/de.tavrel.Tavrel.metainfo.xml" >/dev/null

program=$tree/usr/bin/$(sed -n 's/^Exec=//p' "$desktop")
missing=$(ldd "$program" | grep 'not found' || true)
[ -z "$missing" ] || fail "libraries not found: $missing"

bash "$here/play_and_quit.sh" "$program" "$work/run"
echo "package: lintian clean, files in place, the unpacked program started and ended with status 0"
