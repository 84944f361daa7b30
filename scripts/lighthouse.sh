#!/usr/bin/env bash
# Builds the web edition and prints its page scores as a phone and as a
# desktop (performance, accessibility, best practices, findability). Not part
# of the tests: the scorer is large and its figures vary with the machine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/web.sh --build-only
if [ ! -d tools/lighthouse/node_modules ] || [ tools/lighthouse/package-lock.json -nt tools/lighthouse/node_modules/.package-lock.json ]; then
  (cd tools/lighthouse && npm ci --no-audit --no-fund --loglevel=error)
fi
node tools/lighthouse/run.mjs build-web/site
