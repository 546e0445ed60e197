#!/usr/bin/env bash
# Cinderwake for 64-bit Windows: installs what is missing from Debian's packages, cross-builds the
# program with Debian's MinGW-w64 into ./build-windows and packs build-windows/cinderwake-windows-x64.zip
# (the program, the DLLs it needs, the data folder, README.txt and the licence texts).
#
# The pictures, maps and music are those of the native build in ./build (built first if missing), and
# the libraries those of tools/deps/build_family.sh mingw64. Takes cmake options for the Windows build.
# Environment: CINDERWAKE_NATIVE_BUILD (default ./build), CINDERWAKE_WINDOWS_BUILD (default ./build-windows),
# CINDERWAKE_FAMILY_PREFIX (a library prefix made before, instead of asking build_family.sh),
# CINDERWAKE_WERROR=ON (warnings as errors, as CI builds).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
native=$(realpath -m "${CINDERWAKE_NATIVE_BUILD:-$root/build}")
out=$(realpath -m "${CINDERWAKE_WINDOWS_BUILD:-$root/build-windows}")
say() { echo "windows: $*" >&2; }
started=$(date +%s)

# What the zip and its tests need beyond the native build's packages (the family brings the compiler).
packages=(zip unzip python3-pil googletest fonts-dejavu-core wine64 wine xvfb x11-utils xdotool imagemagick)
bash tools/install_missing.sh "${packages[@]}"

# The native build's generated pictures, maps and music.
if [ ! -f "$native/data/city.jpg" ] || [ ! -f "$native/generated/embedded/picStartUp_mirror.jpg" ]; then
  say "no generated data in $native: building it natively"
  if [ "$native" = "$root/build" ]; then
    bash tools/setup.sh
  else
    cmake -S . -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build "$native" -j2 --target cinderwake_data cinderwake_assets
  fi
fi
assets=$out/native-assets
rm -rf "$assets"
mkdir -p "$assets/data"
cp -a "$native/generated/embedded" "$assets/embedded"
# Everything the game reads, but never a saved game of the native build's own.
find "$native/data" -maxdepth 1 -type f ! -name 'SaveGame*' -exec cp {} "$assets/data/" \;

prefix=${CINDERWAKE_FAMILY_PREFIX:-$(bash tools/deps/build_family.sh mingw64 | tail -1)}
say "libraries from $prefix"

t0=$(date +%s)
# The toolchain file points find_package and pkg-config at this prefix alone.
export CINDERWAKE_FAMILY_PREFIX=$prefix
cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  "-DCMAKE_TOOLCHAIN_FILE=$root/tools/deps/mingw64.cmake" "-DCMAKE_PREFIX_PATH=$prefix" \
  "-DCINDERWAKE_ASSETS_FROM=$assets" -DCINDERWAKE_WERROR="${CINDERWAKE_WERROR:-OFF}" "$@" >&2
cmake --build "$out" -j2 >&2
say "cross-built in $(($(date +%s) - t0)) s"

# ---------------------------------------------------------------- the zip
stage=$out/package/Cinderwake
rm -rf "$out/package"
mkdir -p "$stage/licences"
cp "$out/cinderwake.exe" "$stage/"
# The DLLs the program loads, found by following the import tables; Windows' own stay out.
declare -A seen=()
queue=("$out/cinderwake.exe")
while ((${#queue[@]})); do
  file=${queue[0]}
  queue=("${queue[@]:1}")
  for dll in $(x86_64-w64-mingw32-objdump -p "$file" | awk '/DLL Name:/ {print $3}'); do
    [ -n "${seen[$dll]:-}" ] && continue
    seen[$dll]=1
    for dir in "$out" "$prefix/bin"; do
      if [ -f "$dir/$dll" ]; then
        cp "$dir/$dll" "$stage/"
        queue+=("$dir/$dll")
        break
      fi
    done
  done
done
cp -a "$out/data" "$stage/data"
rm -f "$stage"/data/SaveGame*
printf 'NoSaveGame\r\n' >"$stage/data/SaveGame.txt"
sed 's/$/\r/' tools/windows/README.txt >"$stage/README.txt"
# Licence texts of everything shipped: the libraries, the C++ runtime, the fonts.
for dll in "$stage"/*.dll; do
  case $(basename "$dll") in
    SDL2.dll) lic=SDL2 ;;
    SDL2_image.dll) lic=SDL2_image ;;
    SDL2_mixer.dll) lic=SDL2_mixer ;;
    SDL2_ttf.dll) lic=SDL2_ttf ;;
    libfreetype*.dll) lic=freetype ;;
    libjpeg*.dll) lic=libjpeg-turbo ;;
    libstdc++*.dll | libgcc_s*.dll | libwinpthread*.dll) lic=mingw-w64-runtime ;;
    *)
      say "error: no licence known for $(basename "$dll")"
      exit 1
      ;;
  esac
  [ -d "$stage/licences/$lic" ] || cp -a "$prefix/share/licenses/$lic" "$stage/licences/$lic"
done
cp -a "$prefix/share/licenses/nlohmann-json" "$stage/licences/"  # built into the program
[ -d "$stage/licences/mingw-w64-runtime" ] || cp -a "$prefix/share/licenses/mingw-w64-runtime" "$stage/licences/"
mkdir -p "$stage/licences/fonts-dejavu"
cp /usr/share/doc/fonts-dejavu-core/copyright "$stage/licences/fonts-dejavu/copyright"
zipfile=$out/cinderwake-windows-x64.zip
rm -f "$zipfile"
(cd "$out/package" && TZ=UTC zip -q -r -X "$zipfile" Cinderwake)
say "$zipfile: $(du -k "$zipfile" | cut -f1) KiB, $(unzip -Z1 "$zipfile" | grep -vc '/$') files, in $(($(date +%s) - started)) s"
