#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once in a
# normal build and once under AddressSanitizer and UndefinedBehaviorSanitizer,
# checking after the normal build that the tests catch a list of named faults;
# then every conversion of typed text is fuzzed for a few seconds, and the web
# edition is built and tested in headless Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
export LC_ALL=C.UTF-8

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2
# The tests still catch the named faults they guard.
tests/mutants.sh

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLYSVANDRE_SANITIZE=ON
cmake --build build-asan -j2
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j2

tests/fuzz_test.sh

scripts/web-test.sh
