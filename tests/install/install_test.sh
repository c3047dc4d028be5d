#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/tavrel bin/tavrel-sim \
         share/applications/de.tavrel.Tavrel.desktop \
         share/metainfo/de.tavrel.Tavrel.metainfo.xml \
         share/icons/hicolor/64x64/apps/de.tavrel.Tavrel.png; do
  [ -e "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
[ -x "$prefix/bin/tavrel" ] || { echo "bin/tavrel is not executable"; exit 1; }
desktop-file-validate "$prefix/share/applications/de.tavrel.Tavrel.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/de.tavrel.Tavrel.metainfo.xml"
echo "installed and valid"
