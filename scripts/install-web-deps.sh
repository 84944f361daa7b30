#!/usr/bin/env bash
# Installs the Debian 12 packages the web edition's build and browser tests need.
# Quick when everything is already there.
set -euo pipefail
packages=(emscripten node-acorn chromium fonts-liberation2 poppler-utils)
# A nodejs from another source may already bring its own npm; Debian's npm would clash with it.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)
"$(dirname "$0")/install-packages.sh" "${packages[@]}"
