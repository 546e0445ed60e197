#!/usr/bin/env bash
# One command for a contributor: install what is missing, build, and run every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cd build
ctest -j2 --output-on-failure --no-tests=error
