#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2 --target lysvandre
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "start.sh: no display (DISPLAY and WAYLAND_DISPLAY are empty); to run under a virtual X server: xvfb-run -a scripts/start.sh" >&2
  exit 1
fi
exec build/lysvandre
