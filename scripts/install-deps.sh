#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need.
# Quick when everything is already there.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev libjpeg-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 xvfb xauth
  poppler-utils xdotool xclip imagemagick appstream desktop-file-utils
  clang libclang-rt-dev locales
)
"$(dirname "$0")/install-packages.sh" "${packages[@]}"
# A Danish desktop reads and writes numbers with a decimal comma; the tests
# check that the program's own texts keep their point under that locale.
if ! locale -a | grep -qix 'da_DK.utf-\?8'; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo localedef -i da_DK -f UTF-8 da_DK.UTF-8
fi
# The web edition's toolchain and the browser its tests run in.
"$(dirname "$0")/install-web-deps.sh"
