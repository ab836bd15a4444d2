#!/usr/bin/env bash
# Sets everything up and runs every test. The window tests run under a
# virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir build --output-on-failure -j2

# The whole suite again, every level solution included, under AddressSanitizer
# and UndefinedBehaviorSanitizer; then every reader of outside data fuzzed for
# a bounded time. Either fails the run on any report.
SANITIZE_JOBS=2 SANITIZE_DATA_FROM=build/game bash scripts/sanitize.sh
FUZZ_JOBS=2 FUZZ_SECONDS=${FUZZ_SECONDS:-20} bash scripts/fuzz.sh
