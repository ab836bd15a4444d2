#!/usr/bin/env bash
# Builds the fuzzers with clang in build-fuzz/ and runs each for a bounded
# time. Fails on any crash, hang, leak or sanitizer report; the input that
# broke a reader is copied to tests/fuzz/regressions/<target>/ so the normal
# test suite replays it from then on.
#   FUZZ_SECONDS=30 (per target)  FUZZ_JOBS=1 (build jobs)  scripts/fuzz.sh [target...]
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${FUZZ_SECONDS:-30}
jobs=${FUZZ_JOBS:-1}
build=build-fuzz

if ! command -v clang++ >/dev/null; then
  echo "fuzz.sh: clang++ is missing (scripts/setup.sh installs it)" >&2
  exit 1
fi
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZEMBRA_FUZZ=ON >/dev/null || exit 1
read -r -a all_targets < "$build/fuzz_targets.txt"
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all_targets[@]}")
build_list=(fuzz_seeds)
for t in "${targets[@]}"; do build_list+=("fuzz_$t"); done
cmake --build "$build" -j"$jobs" --target "${build_list[@]}" || exit 1

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=()
for t in "${targets[@]}"; do
  work="$build/fuzz_work/$t"
  artifacts="$build/fuzz_artifacts/$t"
  rm -rf "$artifacts"
  mkdir -p "$work" "$artifacts"
  seeds="$build/fuzz_corpus/$t"
  mkdir -p "$seeds"
  extra=()
  [ "$t" = image ] && extra+=(-max_len=16384)
  [ "$t" = map ] && extra+=(-max_len=4600)
  [ -f "tests/fuzz/$t.dict" ] && extra+=(-dict="tests/fuzz/$t.dict")
  echo "== fuzz_$t for ${seconds}s"
  start=$(date +%s)
  "$build/tests/fuzz/fuzz_$t" "$work" "$seeds" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix="$artifacts/" -print_final_stats=1 "${extra[@]}" \
    > "$build/fuzz_$t.log" 2>&1
  status=$?
  grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb)" "$build/fuzz_$t.log" | tr '\n' ' '
  echo "($(( $(date +%s) - start ))s, exit $status)"
  if [ $status -ne 0 ] || grep -qE "ERROR: (AddressSanitizer|libFuzzer)|runtime error:" "$build/fuzz_$t.log"; then
    failed+=("$t")
    tail -40 "$build/fuzz_$t.log"
    mkdir -p "tests/fuzz/regressions/$t"
    for a in "$artifacts"/*; do
      [ -f "$a" ] || continue
      cp "$a" "tests/fuzz/regressions/$t/$(basename "$a")"
      echo "saved $a as tests/fuzz/regressions/$t/$(basename "$a")"
    done
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz.sh: FAILED: ${failed[*]}" >&2
  exit 1
fi
echo "fuzz.sh: all targets ran ${seconds}s clean"
