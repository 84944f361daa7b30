#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and checks that
# the program, its desktop entry, icon and metadata are there.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$build" && cpack -G DEB -B "$scratch/pkg" >/dev/null)
deb=$(ls "$scratch"/pkg/lysvandre_*.deb)
dpkg-deb -f "$deb" Depends | grep -q libqt6printsupport6
dpkg-deb -f "$deb" Depends | grep -q fonts-liberation2
dpkg-deb -f "$deb" Depends | grep -q libjpeg62-turbo
dpkg -x "$deb" "$scratch/root"
for f in usr/bin/lysvandre usr/share/applications/lysvandre.desktop \
         usr/share/icons/hicolor/32x32/apps/lysvandre.png usr/share/metainfo/lysvandre.metainfo.xml; do
  [ -s "$scratch/root/$f" ] || { echo "missing in package: $f"; exit 1; }
done
[ -x "$scratch/root/usr/bin/lysvandre" ]
grep -q '^Exec=lysvandre' "$scratch/root/usr/share/applications/lysvandre.desktop"
echo "package ok: $(basename "$deb")"
