#!/usr/bin/env bash
# Builds the web edition and runs its tests in the system's headless
# Chromium: the table texts against the native core's, the chart canvas,
# and a scripted session with screenshots (build-web/shots) and the speeds.
# --build-only: builds the page and the native core's reference and stops.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/web.sh --build-only
# The native core: its table texts for the same cases as the page, and its
# chart drawings, asked for by charts.test.mjs (built again when the core changed).
mkdir -p build-web/probe
if [ ! -x build-web/probe/probe ] || [ -n "$(find model web/test/probe.cpp -newer build-web/probe/probe | head -1)" ]; then
  g++ -std=c++20 -O2 -Wall -Wextra -Imodel model/*.cpp web/test/probe.cpp -o build-web/probe/probe
fi
build-web/probe/probe > build-web/probe/tables.json
if [ "${1:-}" = --build-only ]; then exit 0; fi
export SITE=$PWD/build-web/site PROBE=$PWD/build-web/probe/tables.json SHOTS=$PWD/build-web/shots
cd web
node --test --test-concurrency=1 test/*.test.mjs
