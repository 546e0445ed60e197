#!/usr/bin/env bash
# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer, in ./build-sanitize.
# The timing-bound window tests, the Python data checks and the Debian package stay with the normal run.
# Reuses the pictures, maps and music that ./build generated (run tools/test.sh or tools/setup.sh first).
set -euo pipefail
cd "$(dirname "$0")/.."
assets=build-sanitize-assets
mkdir -p "$assets"
ln -sfn "$PWD/build/generated/embedded" "$assets/embedded"
ln -sfn "$PWD/build/data" "$assets/data"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCINDERWAKE_SANITIZE=ON -DCINDERWAKE_WERROR=ON \
  -DCINDERWAKE_ASSETS_FROM="$PWD/$assets"
cmake --build build-sanitize -j2
cd build-sanitize
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export CINDERWAKE_QUICK_SOAK=1
ctest -j2 --output-on-failure --no-tests=error -E 'install_layout|level_check|art_check' -LE 'package|window'
