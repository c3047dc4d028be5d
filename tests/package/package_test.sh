#!/usr/bin/env bash
# Checks the Debian package without installing it: lintian with no override, its control fields, the files a desktop and
# Debian need (manual pages in English and German, every icon size), stripped binaries, the libraries of the unpacked
# program, its refusal to start without a display, and the click storm on the unpacked program, started by its desktop
# entry's command, to its end with status 0. Usage: package_test.sh PACKAGE.deb TAVREL_REPLAY
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
deb=$1
replay=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Every warning is fixed, none overridden.
lintian --fail-on error,warning "$deb" || fail "lintian found the problems above"
overrides=$(lintian --show-overrides "$deb" | grep '^O:' || true)
[ -z "$overrides" ] || fail "lintian tags overridden: $overrides"

section=$(dpkg-deb -f "$deb" Section)
[ "$section" = utils ] || fail "Section is $section, not utils"
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 fonts-liberation2 qt6-translations-l10n; do
    grep -q "$d" <<<"$depends" || fail "Depends lacks $d: $depends"
done

tree=$work/tree
dpkg-deb -x "$deb" "$tree"
man=usr/share/man
icons=usr/share/icons/hicolor
for f in usr/bin/tavrel usr/bin/tavrel-sim \
         $man/man1/tavrel.1.gz $man/man1/tavrel-sim.1.gz $man/de/man1/tavrel.1.gz $man/de/man1/tavrel-sim.1.gz \
         usr/share/applications/de.tavrel.Tavrel.desktop \
         usr/share/metainfo/de.tavrel.Tavrel.metainfo.xml \
         $icons/scalable/apps/de.tavrel.Tavrel.svg \
         usr/share/doc/tavrel/copyright usr/share/doc/tavrel/changelog.gz; do
    [ -f "$tree/$f" ] || fail "not in the package: /$f"
done
for page in "$tree"/$man/man1/*.gz "$tree"/$man/de/man1/*.gz; do
    zcat "$page" | grep -q '^\.TH [^ ]* 1 ' || fail "${page#"$tree"} is not in manual section 1"
done
[ ! -e "$tree/$man/man6" ] || fail "manual pages left in section 6"
[ ! -e "$tree/usr/share/lintian" ] || fail "the package brings lintian overrides"
grep -q '^License: GPL-3+$' "$tree/usr/share/doc/tavrel/copyright" || fail "the copyright names no GPL-3+"
for size in 16 32 48 64 128 256; do
    icon=$tree/$icons/${size}x$size/apps/de.tavrel.Tavrel.png
    [ -f "$icon" ] || fail "no icon of $size pixels"
    file "$icon" | grep -q ", $size x $size," || fail "the $size-pixel icon is $(file -b "$icon")"
done
for binary in "$tree"/usr/bin/*; do
    ! readelf -S --wide "$binary" | grep -q ' \.comment ' || fail "${binary#"$tree"} keeps a .comment section"
done
[ ! -e "$tree/usr/bin/tavrel-replay" ] || fail "the developers' tavrel-replay is in the package"
desktop=$tree/usr/share/applications/de.tavrel.Tavrel.desktop
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$tree/usr/share/metainfo/de.tavrel.Tavrel.metainfo.xml" >/dev/null

program=$tree/usr/bin/$(sed -n 's/^Exec=//p' "$desktop")
missing=$(ldd "$program" | grep 'not found' || true)
[ -z "$missing" ] || fail "libraries not found: $missing"

# Without a display, or with one that does not answer: one German line and status 1.
for display in "" ":9999"; do
    status=0
    said=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$program" 2>&1 >/dev/null) || status=$?
    [ "$status" -eq 1 ] || fail "with DISPLAY=\"$display\" the program ended with status $status"
    [[ $said == "Tavrel braucht eine grafische Oberfläche ("*")." ]] || fail "with DISPLAY=\"$display\" it said: $said"
done

bash "$here/../storm/click_storm.sh" "$program" "$replay" "$work/storm"
echo "package: lintian clean without overrides, files in place, no display or a silent one refused with status 1," \
     "the unpacked program took the click storm and ended with status 0"
