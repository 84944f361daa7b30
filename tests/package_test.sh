#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and checks that
# the program, its desktop entry, icon, metadata and copyright are there, that
# the metadata and desktop entry validate without a remark and that the
# program is stripped.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$build" && cpack -G DEB -B "$scratch/pkg" >/dev/null)
deb=$(ls "$scratch"/pkg/lysvandre_*.deb)
for dep in libqt6printsupport6 fonts-liberation2 libjpeg62-turbo qt6-translations-l10n; do
  dpkg-deb -f "$deb" Depends | grep -q "$dep" || { echo "not a dependency: $dep"; exit 1; }
done
dpkg -x "$deb" "$scratch/root"
id=dk.lysvandre.lysvandre
desktop=usr/share/applications/$id.desktop
metainfo=usr/share/metainfo/$id.metainfo.xml
copyright=usr/share/doc/lysvandre/copyright
for f in usr/bin/lysvandre "$desktop" usr/share/icons/hicolor/32x32/apps/lysvandre.png "$metainfo" "$copyright"; do
  [ -s "$scratch/root/$f" ] || { echo "missing in package: $f"; exit 1; }
done
[ -x "$scratch/root/usr/bin/lysvandre" ]
grep -q '^Exec=lysvandre' "$scratch/root/$desktop"
head -n1 "$scratch/root/$copyright" |
  grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  { echo "the copyright file is not machine-readable"; exit 1; }
if readelf -S "$scratch/root/usr/bin/lysvandre" | grep -q '\.symtab'; then
  echo "the program is not stripped"; exit 1
fi
# Both validators say nothing but success: no error, warning, hint or note.
remarks=$(desktop-file-validate "$scratch/root/$desktop" 2>&1) || true
[ -z "$remarks" ] || { echo "desktop-file-validate: $remarks"; exit 1; }
remarks=$(appstreamcli validate --no-net --pedantic "$scratch/root/$metainfo" 2>&1) ||
  { echo "appstreamcli: $remarks"; exit 1; }
if grep -qE '^[EWIP]:' <<<"$remarks"; then echo "appstreamcli: $remarks"; exit 1; fi
echo "package ok: $(basename "$deb")"
