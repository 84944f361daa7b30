#!/usr/bin/env bash
# Installs the Debian 12 packages the web edition's build and browser tests need.
# Quick when everything is already there.
set -euo pipefail
packages=(emscripten node-acorn chromium fonts-liberation2 poppler-utils)
# A nodejs from another source may already bring its own npm; Debian's npm would clash with it.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
