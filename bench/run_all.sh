#!/usr/bin/env bash
# Builds the game and the benchmarks (Release) and prints every figure beside
# its target and the ratio figure/target (below 1 is within the target).
#   bench/run_all.sh [build dir, default build-bench]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
jobs=${BENCH_JOBS:-2}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j"$jobs" --target zembra bench_world_tick bench_frame maps_data gfx_data sfx_data
game="$build/game"
# A figure that cannot be taken is left blank rather than ending the report.
set +e
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

rows=()
row() { # name figure target unit (figure and target: lower is better, except "min" targets)
  local ratio
  ratio=$(awk -v f="$2" -v t="$3" -v k="${5:-max}" 'BEGIN { if (f == "" || t == 0) print "-"; else if (k == "min") printf "%.2f", t / f; else printf "%.2f", f / t }')
  rows+=("$(printf '%-44s %12s %12s %-6s %6s' "$1" "$2" "$3" "$4" "$ratio")")
}

# Frame times: median of five repetitions, in CPU time (the machine may be
# shared; wall time is printed by the benchmark itself).
"$build/bench/bench_frame" --benchmark_format=csv 2>/dev/null > "$tmp/frame.csv" || true
median() { grep "^\"$1[^\"]*_median\"" "$tmp/frame.csv" | cut -d, -f4; }
row "busiest frame, offscreen renderer (median)" "$(median bm_busiest_frame_offscreen)" 4 ms
row "busiest frame, no drawing (median)" "$(median bm_busiest_frame_no_draw)" 4 ms

# World ticks per second on the crowded level.
"$build/bench/bench_world_tick" --benchmark_filter='^bm_world_tick/' --benchmark_format=csv 2>/dev/null > "$tmp/tick.csv" || true
tps=$(grep '^"bm_world_tick[/"]' "$tmp/tick.csv" | head -1 | cut -d, -f4 | awk '{ if ($1 > 0) printf "%d", 1e9 / $1 }')
row "world_tick throughput" "$tps" 100000 ticks/s min

# Start-up to the first frame of the main menu, everything loaded: best of five.
best=""
for i in 1 2 3 4 5; do
  s=$(date +%s%N)
  "$game/zembra" --data "$game" --headless --seed 1 --frames 1 >/dev/null 2>&1
  e=$(( ($(date +%s%N) - s) / 1000000 ))
  if [ -z "$best" ] || [ "$e" -lt "$best" ]; then best=$e; fi
done
row "start-up to the first menu frame" "$best" 1000 ms

# Every campaign solution on three seeds, headless, without drawing.
solutions=$(ls content/solutions/map*.script 2>/dev/null || true)
if [ -n "$solutions" ]; then
  s=$(date +%s%N)
  count=0
  for f in $solutions; do
    id=$(basename "$f" .script); id=${id#map}
    planet=${id%?}; level=${id: -1}
    for seed in 1 2 3; do
      "$game/zembra" --data "$game" --headless --no-draw --seed "$seed" --play "$planet" "$level" \
        --input "$f" --until mission-end >/dev/null 2>&1 || true
      count=$((count + 1))
    done
  done
  e=$(( ($(date +%s%N) - s) / 1000000 ))
  row "every solution x 3 seeds ($count runs)" "$(awk -v e="$e" 'BEGIN { printf "%.1f", e / 1000 }')" 20 s
else
  row "every solution x 3 seeds (no solutions yet)" "" 20 s
fi

# Peak memory of a session: a level played for a minute and a half with drawing.
map=$(ls "$game"/maps/map*.map 2>/dev/null | head -1 || true)
if [ -n "$map" ]; then
  id=$(basename "$map" .map); id=${id#map}
  printf '100 key 70\n200 click 400 300\n300 wheel 2\n' > "$tmp/session.script"
  /usr/bin/time -v "$game/zembra" --data "$game" --headless --seed 1 --play "${id%?}" "${id: -1}" \
    --input "$tmp/session.script" --frames 5400 >/dev/null 2> "$tmp/time.txt" || true
  rss=$(awk -F': ' '/Maximum resident set size/ { printf "%.1f", $2 / 1024 }' "$tmp/time.txt")
  row "peak memory of a session" "$rss" 200 MB
else
  /usr/bin/time -v "$game/zembra" --data "$game" --headless --seed 1 --frames 600 >/dev/null 2> "$tmp/time.txt" || true
  rss=$(awk -F': ' '/Maximum resident set size/ { printf "%.1f", $2 / 1024 }' "$tmp/time.txt")
  row "peak memory (menu only: no maps yet)" "$rss" 200 MB
fi

printf '%-44s %12s %12s %-6s %6s\n' "benchmark" "figure" "target" "unit" "ratio"
printf '%s\n' "${rows[@]}"
