#!/usr/bin/env bash
# One command for a contributor: install what is missing, build, and run every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh -DCINDERWAKE_WINDOWS_DIR="$PWD/build-windows"
# The Windows release, made from this build's pictures, maps and music; the suite tests it under Wine.
bash tools/windows.sh
cd build
ctest -j2 --output-on-failure --no-tests=error
