#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs the whole test suite; any sanitizer report fails it.
#   SANITIZE_JOBS=1 scripts/sanitize.sh [ctest arguments...]
set -uo pipefail
cd "$(dirname "$0")/.."
build=build-asan
jobs=${SANITIZE_JOBS:-1}
# SANITIZE_DATA_FROM=build/game takes the pictures and sounds of a normal
# build instead of running the generators sanitized (much faster; the
# generators have their own tests in the normal build).
data_from=${SANITIZE_DATA_FROM:-}
skip=""
if [ -n "$data_from" ]; then
  [ -d "$data_from/gfx" ] && [ -d "$data_from/sfx" ] || { echo "sanitize.sh: no gfx/ sfx/ in $data_from" >&2; exit 1; }
  skip="tools/gfxgen;tools/sfxgen"
  mkdir -p "$build/game/maps/demos"
  rm -rf "$build/game/gfx" "$build/game/sfx"
  cp -r "$data_from/gfx" "$data_from/sfx" "$build/game/"
  [ -f "$data_from/maps/demos/demo0" ] && cp "$data_from/maps/demos/demo0" "$build/game/maps/demos/"
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEMBRA_SANITIZE=ON \
  "-DZEMBRA_SKIP_DIRS=$skip" >/dev/null || exit 1

# SDL's drivers and fontconfig (the artwork generator's text, run during the
# build) keep a few allocations until exit.
supp="$(pwd)/$build/lsan.supp"
printf 'leak:libSDL2\nleak:libX11\nleak:libdbus\nleak:libasound\nleak:libpulse\nleak:libfontconfig\nleak:libpango\nleak:libcairo\n' > "$supp"
export LSAN_OPTIONS="suppressions=$supp:print_suppressions=0"
# The generators run sanitized during the build too.
cmake --build "$build" -j"$jobs" || exit 1

# Reports also go to files, so those of the game binary that tests start
# (with their output captured) are not lost.
reports="$(pwd)/$build/sanitizer-reports"
rm -rf "$reports"; mkdir -p "$reports"
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:log_path=$reports/asan
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:log_path=$reports/ubsan

runner=()
command -v xvfb-run >/dev/null && runner=(xvfb-run -a -s "-screen 0 1024x768x24")
log="$build/sanitize.log"
"${runner[@]}" ctest --test-dir "$build" --output-on-failure -j"$jobs" --timeout 900 -E '^RuntimeWindow\.' "$@" > "$log" 2>&1
status=$?
# The real window loads the GL driver, which leaks from a library it unloads
# again (frames that cannot be named or suppressed): leaks are not looked for there.
ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0" "${runner[@]}" ctest --test-dir "$build" --output-on-failure \
  --timeout 900 -R '^RuntimeWindow\.' "$@" >> "$log" 2>&1 || status=1
tail -25 "$log"
if [ -n "$(ls -A "$reports")" ]; then
  echo "sanitize.sh: sanitizer reports in $reports:" >&2
  for f in "$reports"/*; do echo "== $f" >&2; head -30 "$f" >&2; done
  exit 1
fi
[ $status -eq 0 ] || { echo "sanitize.sh: tests failed (see $log)" >&2; exit 1; }
echo "sanitize.sh: all tests passed under ASAN/UBSAN"
