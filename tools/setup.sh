#!/usr/bin/env bash
# Installs what is missing from Debian's packages, then configures and builds Cinderwake in ./build.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake ninja-build pkg-config
  libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev libsdl2-ttf-dev libjpeg-dev
  nlohmann-json3-dev libgtest-dev libbenchmark-dev clang-format
  python3 python3-pil python3-numpy libmp3lame-dev fonts-dejavu-core
  xvfb x11-utils xdotool imagemagick openbox
  dpkg-dev lintian desktop-file-utils appstream ccache)
bash tools/install_missing.sh "${packages[@]}"

# CINDERWAKE_WERROR=ON in the environment (as CI sets it) makes every compiler warning an error.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCINDERWAKE_WERROR="${CINDERWAKE_WERROR:-OFF}" "$@"
cmake --build build -j2
