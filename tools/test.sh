#!/usr/bin/env bash
# One command for a contributor: install what is missing, build, and run every test, those of the web
# page in headless Chromium included.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh -DCINDERWAKE_WINDOWS_DIR="$PWD/build-windows"
# The Windows release, made from this build's pictures, maps and music; the suite tests it under Wine.
bash tools/windows.sh
# The web page, from the same pictures, maps and music.
bash tools/web.sh --no-serve
# The browser tests run Debian's chromium (driven from the machine's Node.js with playwright-core).
bash tools/install_missing.sh chromium
# They are registered when the native build knows where the page is.
cmake -S . -B build -DCINDERWAKE_WEB_DIR="$PWD/build-web" >/dev/null
cmake --build build -j2
cd build
ctest -j2 --output-on-failure --no-tests=error
