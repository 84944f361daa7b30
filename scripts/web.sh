#!/usr/bin/env bash
# Builds the web edition into build-web/site and serves it on
# http://localhost:8080 (--build-only: build and exit).
set -euo pipefail
cd "$(dirname "$0")/.."
export NODE_PATH=/usr/share/nodejs  # the toolchain's optimizer needs node-acorn
root=$PWD
if [ ! -d web/node_modules ] || [ web/package-lock.json -nt web/node_modules/.package-lock.json ]; then
  (cd web && npm ci --no-audit --no-fund --loglevel=error)
fi
if [ ! -f build-web/wasm/build.ninja ]; then
  emcmake cmake -S web -B build-web/wasm -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
fi
cmake --build build-web/wasm -j2
# The binding's TypeScript declarations from the binding itself, then the
# page checked against them: a changed C++ signature fails here.
node web/declarations.mjs build-web/wasm/lysvandre_core.js
(cd web && npx --no-install tsc --noEmit -p .)
node web/build.mjs build-web/wasm/lysvandre_core.js build-web/site
echo "Web edition in $root/build-web/site"
if [ "${1:-}" = "--build-only" ]; then exit 0; fi
echo "Serving on http://localhost:8080 (Ctrl+C stops)"
exec python3 -m http.server 8080 --bind 127.0.0.1 --directory build-web/site
