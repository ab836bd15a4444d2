#!/usr/bin/env bash
# The long soak: every level of the build played for its whole time under
# random input with several seeds, world invariants checked after every frame.
#   SOAK_SEEDS=5 scripts/soak.sh [build dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-robust}
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target zembra_soak maps_data
time "$build/tests/soak/zembra_soak" "$build/game/maps" "${SOAK_SEEDS:-5}"
