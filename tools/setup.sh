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
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# CINDERWAKE_WERROR=ON in the environment (as CI sets it) makes every compiler warning an error.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCINDERWAKE_WERROR="${CINDERWAKE_WERROR:-OFF}" "$@"
cmake --build build -j2
