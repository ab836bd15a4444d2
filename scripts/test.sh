#!/usr/bin/env bash
# Sets everything up and runs every test. The window tests run under a
# virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir build --output-on-failure -j2
