#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each for a few
# seconds from the seed corpus in fuzz/corpus. Any crash or sanitizer report
# fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-4}
CXX=clang++ cmake -S fuzz -B build-fuzz -G Ninja >/dev/null
cmake --build build-fuzz -j2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in whole_number decimal_number age_interval format_fixed projection_inputs statbank_file; do
  mkdir -p "$work/$target"
  cp fuzz/corpus/$target/* "$work/$target/"
  echo "fuzzing $target for ${seconds}s"
  build-fuzz/fuzz_$target -max_total_time="$seconds" -max_len="$([ "$target" = statbank_file ] && echo 4096 || echo 256)" -print_final_stats=0 -artifact_prefix="$work/$target-" \
    "$work/$target" 2> "$work/$target.log" || { tail -40 "$work/$target.log"; exit 1; }
  grep -E '^(Done|#[0-9]+ *DONE)' "$work/$target.log" | tail -1 || true
done
