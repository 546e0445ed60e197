#!/usr/bin/env bash
# Builds Cinderwake as a web page in build-web/ and serves it on http://localhost:8000/.
#   bash tools/web.sh              build, then serve (Ctrl+C stops the server)
#   bash tools/web.sh --no-serve   only build
#   bash tools/web.sh --port N     serve on another port
# Installs what is missing from Debian's packages; the libraries (SDL2 and its family) are built for
# WebAssembly from Debian's source packages by tools/deps/build_family.sh, cached outside the clone.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

serve=1
port=8000
while (($#)); do
  case "$1" in
    --no-serve) serve=0 ;;
    --port)
      port=$2
      shift
      ;;
    *)
      echo "usage: $0 [--no-serve] [--port N]" >&2
      exit 2
      ;;
  esac
  shift
done

say() { echo "web: $*" >&2; }

# The pictures, maps and music come from the native build's generators (they run on this machine).
if [ ! -f build/build.ninja ]; then
  say "building the native program first (its generators make the data)"
  bash tools/setup.sh
fi
cmake --build build -j2 --target cinderwake_assets cinderwake_data

# Debian's emscripten with its clang, lld and binaryen; python3 serves the page.
bash tools/install_missing.sh emscripten python3

# CINDERWAKE_WEB_FAMILY names a ready prefix instead (a family built earlier).
prefix=${CINDERWAKE_WEB_FAMILY:-$(bash tools/deps/build_family.sh emscripten | tail -1)}
[ -d "$prefix/lib/pkgconfig" ] || {
  say "the library family was not built ($prefix)"
  exit 1
}
# What building against the family needs: its pkg-config files and emscripten's system libraries
# as the family was built with them (EM_CACHE); Debian's emscripten finds its JavaScript modules in
# /usr/share/nodejs, whichever node is on the path.
if [ -f "$prefix/share/cinderwake-family.env" ]; then
  # shellcheck disable=SC1091
  . "$prefix/share/cinderwake-family.env"
else
  export EM_CACHE EM_FROZEN_CACHE= PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig:$prefix/share/pkgconfig
  EM_CACHE=$(dirname "$prefix")/em-cache-$(dpkg-query -W -f='${Version}' emscripten)
  export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
fi
[ -d "$EM_CACHE" ] || {
  say "emscripten's cache is missing: $EM_CACHE"
  exit 1
}
unset PKG_CONFIG_PATH

# A copy of the generated files; when they change, the browser build takes them again.
web_build=build-emscripten
assets=$web_build/assets
if ! diff -rq build/generated/embedded "$assets/embedded" >/dev/null 2>&1 ||
  ! diff -rq -x 'SaveGame.txt*' build/data "$assets/data" >/dev/null 2>&1; then
  say "taking the generated pictures, maps and music from build/"
  rm -rf "$assets" "$web_build/generated/embedded" "$web_build/data"
  mkdir -p "$assets"
  cp -r build/generated/embedded build/data "$assets/"
  rm -f "$assets"/data/SaveGame.txt*
fi

# Another family (rebuilt after an update) means configuring afresh: cmake keeps what it found.
if [ "$(cat "$web_build/family.txt" 2>/dev/null)" != "$prefix" ]; then
  rm -f "$web_build/CMakeCache.txt"
  mkdir -p "$web_build"
  echo "$prefix" >"$web_build/family.txt"
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
emcmake cmake -S . -B "$web_build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCINDERWAKE_TESTS=OFF \
  "-DCINDERWAKE_ASSETS_FROM=$root/$assets" "-DCINDERWAKE_WEB_OUT=$root/build-web" \
  "-DCMAKE_PREFIX_PATH=$prefix" "-DCMAKE_FIND_ROOT_PATH=$prefix" "${launcher[@]}" >/dev/null
cmake --build "$web_build" -j2
say "the page is in build-web/ ($(du -sh build-web | cut -f1))"

if ((serve)); then
  say "serving on http://localhost:$port/ (Ctrl+C stops)"
  cd build-web
  exec python3 -m http.server "$port" --bind 127.0.0.1
fi
