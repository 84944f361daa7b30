#!/usr/bin/env bash
# The tests check themselves: each fault of the list below is put, one at a
# time, into a scratch copy of the source, the copy is rebuilt incrementally
# and the tests that guard the place are run. The run fails when a fault
# survives them, or when a fault no longer applies (its text is not found
# exactly once: the code moved, so move the fault and its test with it).
#
#   tests/mutants.sh           every fault (the web ones build the web edition)
#   tests/mutants.sh --check   only that every fault still applies (seconds)
#   tests/mutants.sh NAME ...  only these faults
#
# The scratch copy and its build live in build/mutants (MUTANTS_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8

# name @@ file @@ text @@ replaced by @@ tests: a gtest filter of the model
# tests, or web:<browser test file>.
faults() {
  cat <<'EOF'
projection-ageing @@ model/Lys_erkl.cpp @@ s.PopFemale[a - 1] / s.SurvivorsFemale[a - 1] @@ s.PopFemale[a - 1] / s.SurvivorsFemale[a] @@ Projection.*
display-rounding @@ model/Lys_erkl.cpp @@ std::trunc(x / 1000 + 0.5) @@ std::trunc(x / 1000) @@ Grouping.RoundForDisplay
census-spread-rounds @@ model/Lys_erkl.cpp @@ std::trunc(count / 5) @@ std::round(count / 5) @@ Grouping.*
interval-reads-age-100 @@ model/AgeInterval.cpp @@ std::min(IntervalTo, 99) @@ std::min(IntervalTo, 100) @@ AgeIntervals.*
in-force-own-base-year @@ model/AgeInterval.cpp @@ s.TargetYear >= s.BaseYear @@ s.TargetYear > s.BaseYear @@ AgeIntervals.ProjectionInForce
base-year-click-70 @@ model/YearLists.cpp @@ if (y < 70) return 1; @@ if (y <= 70) return 1; @@ YearListTest.*
target-year-rule @@ model/InputRules.cpp @@ y.Value < state.BaseYear @@ y.Value <= state.BaseYear @@ *InputRule*:*ProjectionInput*
historical-1930 @@ model/HistoricalTables.cpp @@ " 1930        2.30", @@ " 1930        2.03", @@ HistoricalTables.*
statbank-total-and-parts @@ model/StatbankReader.cpp @@ std::fill(allowed.begin(), allowed.end(), 0); @@ std::fill(allowed.begin(), allowed.end(), 1); @@ Files/PopulationLayouts.*
statbank-every-period @@ model/StatbankReader.cpp @@ } else if (!flow) { @@ } else if (flow) { @@ Files/PopulationLayouts.*:StatbankReader.*
statbank-drops-over-100 @@ model/StatbankReader.cpp @@ male[std::min(age, MaxAge)] += year.Male[b] * share; @@ if (age <= MaxAge) male[age] += year.Male[b] * share; @@ Files/PopulationLayouts.*
statbank-repeats-pass @@ model/StatbankReader.cpp @@ if (seen >= 0) { @@ if (seen >= 0 && f < 0) { @@ Files/BadFiles.*
csv-line-break @@ model/TableExport.cpp @@ find_first_of(";\"\r\n") @@ find_first_of(";\"") @@ TableExport.*
outline-whole-figure-per-row @@ model/PopulationChart.cpp @@ c.Male[k] = male / span; @@ c.Male[k] = male; @@ ExtraChartTest.*
csv-unrounded-groups @@ model/TableExport.cpp @@ const double men = RoundForDisplay(State.GroupMale[g]); @@ const double men = State.GroupMale[g]; @@ TableExport*
migration-next-start @@ model/Lys_erkl.cpp @@ nextMen[0] = WithMigrants<Leaving>(s.PopMale[0], halfMale[0]); @@ nextMen[0] = s.PopMale[0]; @@ Migration.*
migration-zero-floor @@ model/Lys_erkl.cpp @@ if constexpr (Leaving) return sum > 0 ? sum : 0; @@ if constexpr (Leaving) return sum; @@ Migration.*
web-lines-without-width @@ web/src/canvas.ts @@ Math.max(x0, ex) + 1, Math.max(y0, ey) + 1 @@ Math.max(x0, ex), Math.max(y0, ey) @@ web:charts.test.mjs
web-added-base-year @@ web/src/agegroups.ts @@ n.value <= core.state().BaseYear @@ n.value < core.state().BaseYear @@ web:rules.test.mjs
web-lifetime-refusal @@ web/src/lifetime.ts @@ core.setLifetimeAge(person, 100); @@ core.setLifetimeAge(person, 99); @@ web:rules.test.mjs
web-save-other-kind @@ web/src/save.ts @@ (table ? this.lastTableType : this.lastChartType) @@ (table ? this.lastChartType : this.lastTableType) @@ web:rules.test.mjs
EOF
}

field() { awk -F' @@ ' -v n="$2" '{ print $n }' <<<"$1"; }

# Replaces the text in the file once; fails, changing nothing, unless the
# text is there exactly once. Without a replacement it only checks.
replace_once() {
  python3 - "$@" <<'EOF'
import sys
path, old = sys.argv[1], sys.argv[2]
text = open(path, encoding='utf-8').read()
n = text.count(old)
if n != 1:
    print(f'  {path}: "{old}" found {n} times', file=sys.stderr)
    sys.exit(1)
if len(sys.argv) > 3:
    with open(path, 'w', encoding='utf-8') as f:
        f.write(text.replace(old, sys.argv[3]))
EOF
}

check=false
wanted=()
for a in "$@"; do
  if [ "$a" = --check ]; then check=true; else wanted+=("$a"); fi
done

list=()
while IFS= read -r line; do
  name=$(field "$line" 1)
  if [ ${#wanted[@]} -gt 0 ] && [[ ! " ${wanted[*]} " == *" $name "* ]]; then continue; fi
  list+=("$line")
done < <(faults)
[ ${#list[@]} -gt 0 ] || { echo "no such fault: ${wanted[*]}" >&2; exit 2; }

stale=0
for line in "${list[@]}"; do
  replace_once "$root/$(field "$line" 2)" "$(field "$line" 3)" || { echo "fault $(field "$line" 1) no longer applies" >&2; stale=1; }
done
if $check || [ $stale -ne 0 ]; then
  [ $stale -eq 0 ] && echo "all ${#list[@]} faults apply"
  exit $stale
fi

scratch=${MUTANTS_DIR:-$root/build/mutants}
src=$scratch/src
# The build inside the copy, as in the source tree, so that the compiler
# cache finds the objects the normal build made.
bld=$src/build
# A run stopped half-way may leave a fault's objects behind: start afresh.
if [ -e "$scratch/dirty" ]; then rm -rf "$src" "$scratch/dirty"; fi
mkdir -p "$src"
# The source as it is now, times kept, so that only what changed is rebuilt.
tar -C "$root" --exclude=./.git --exclude='./build*' --exclude=./web/node_modules -cf - . | tar -C "$src" -xf -

# The page of the scratch copy as it stands.
build_site() { node "$src/web/build.mjs" "$root/build-web/wasm/lysvandre_core.js" "$scratch/site"; }
# A step's output only when it fails.
quietly() { "$@" >"$scratch/log" 2>&1 || { tail -40 "$scratch/log" >&2; return 1; }; }

needs_native=false needs_web=false
for line in "${list[@]}"; do
  if [[ $(field "$line" 5) == web:* ]]; then needs_web=true; else needs_native=true; fi
done
if $needs_native; then
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  [ -f "$bld/build.ninja" ] ||
    quietly cmake -S "$src" -B "$bld" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}"
  quietly cmake --build "$bld" -j2 --target lysvandre_model_tests
fi
if $needs_web; then
  quietly scripts/web-test.sh --build-only
  ln -sfn "$root/web/node_modules" "$src/web/node_modules"
  quietly build_site
fi

# Runs the tests of a fault's line on the scratch copy as it stands (built).
run_tests() {
  local tests=$1
  if [[ $tests == web:* ]]; then
    (cd web && SITE="$scratch/site" PROBE="$root/build-web/probe/tables.json" node --test "test/${tests#web:}")
  else
    "$bld/tests/lysvandre_model_tests" --gtest_filter="$tests"
  fi
}

# Without a fault every test passes; else a fault would be "caught" by
# whatever fails already.
while IFS= read -r tests; do
  run_tests "$tests" >"$scratch/log" 2>&1 || { echo "the tests $tests fail without a fault:" >&2; tail -30 "$scratch/log" >&2; exit 1; }
done < <(for line in "${list[@]}"; do field "$line" 5; done | sort -u)

survived=0
started=$SECONDS
for line in "${list[@]}"; do
  name=$(field "$line" 1) file=$(field "$line" 2) tests=$(field "$line" 5)
  t0=$SECONDS
  touch "$scratch/dirty"
  replace_once "$src/$file" "$(field "$line" 3)" "$(field "$line" 4)"
  built=true caught=true
  if [[ $tests == web:* ]]; then
    if build_site >"$scratch/log" 2>&1; then
      run_tests "$tests" >>"$scratch/log" 2>&1 && caught=false
    else built=false; fi
  elif cmake --build "$bld" -j2 --target lysvandre_model_tests >"$scratch/log" 2>&1; then
    run_tests "$tests" >>"$scratch/log" 2>&1 && caught=false
  else built=false; fi
  cp "$root/$file" "$src/$file"  # a new time: the next build takes it again
  if ! $built; then
    echo "BROKEN    $name: the fault does not build; make it one that does" >&2
    survived=$((survived + 1))
  elif $caught; then
    echo "caught    $name ($((SECONDS - t0)) s)"
  else
    echo "SURVIVED  $name: $file, no failing test in $tests" >&2
    survived=$((survived + 1))
  fi
done
if $needs_native; then quietly cmake --build "$bld" -j2 --target lysvandre_model_tests; fi
rm -f "$scratch/dirty"
echo "${#list[@]} faults, $((${#list[@]} - survived)) caught, $((SECONDS - started)) s"
[ $survived -eq 0 ]
