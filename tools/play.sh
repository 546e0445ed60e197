#!/usr/bin/env bash
# One command for a player: install what is missing, build, and start the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
exec ./build/cinderwake "$@"
