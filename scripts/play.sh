#!/usr/bin/env bash
# Sets everything up and starts the game (full screen; pass --windowed for a window).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec build/game/zembra --data build/game "$@"
