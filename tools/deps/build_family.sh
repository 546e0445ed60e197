#!/usr/bin/env bash
# Cross-builds the libraries Cinderwake links (SDL2, SDL2_image, SDL2_mixer, SDL2_ttf, freetype,
# libjpeg-turbo, nlohmann-json) from Debian's own source packages, for one toolchain, into a
# prefix cached outside the clone.
#
# Usage: tools/deps/build_family.sh emscripten|mingw64
# The last line on stdout is the prefix; everything else goes to stderr.
#   prefix=$(bash tools/deps/build_family.sh emscripten | tail -1)
# Environment:
#   CINDERWAKE_CACHE          cache root (default ~/.cache/cinderwake)
#   CINDERWAKE_FAMILY_REFRESH=1  re-read Debian's source lists now rather than once a day
set -euo pipefail

toolchain=${1:-}
case "$toolchain" in
  emscripten | mingw64) ;;
  *)
    echo "usage: $0 emscripten|mingw64" >&2
    exit 2
    ;;
esac

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(realpath -m "${CINDERWAKE_CACHE:-$HOME/.cache/cinderwake}")/family
jobs=2
say() { echo "build_family[$toolchain]: $*" >&2; }
die() {
  say "error: $*"
  exit 1
}

# Source packages, in build order.
packages=(libjpeg-turbo freetype libsdl2 libsdl2-image libsdl2-mixer libsdl2-ttf nlohmann-json3)

# ---------------------------------------------------------------- tools from Debian
need=(dpkg-dev cmake ninja-build pkg-config xz-utils)
case "$toolchain" in
  emscripten) need+=(emscripten) ;;  # brings clang-14, lld-14, llvm-14, binaryen and its node modules
  mingw64) need+=(gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix nasm) ;;  # nasm: libjpeg-turbo's SIMD
esac
missing=()
for p in "${need[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  say "installing ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  install() { DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2; }
  if ! install; then
    $sudo apt-get update -qq >&2
    install
  fi
fi

# The emscripten toolchain's own settings. Its Debian package reads its JavaScript modules
# (acorn, ...) from /usr/share/nodejs, which a node from elsewhere does not search by itself.
if [ "$toolchain" = emscripten ]; then
  export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
fi

# ---------------------------------------------------------------- private apt source lists
# Own sources.list, lists and cache, so the machine's apt set-up stays as it is.
aptdir=$root/apt
srcdir=$root/sources
mkdir -p "$aptdir/lists/partial" "$aptdir/cache/archives/partial" "$srcdir"
keyring=/usr/share/keyrings/debian-archive-keyring.gpg

# deb-src twins of the machine's own deb entries (deb822 .sources files and one-line .list files).
machine_sources() {
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    awk -v keyring="$keyring" '
      function flush() {
        if (types ~ /(^| )deb( |$)/ && enabled != "no" && uris != "" && suites != "") {
          key = (signed ~ /^\//) ? signed : keyring
          n = split(uris, u, " "); m = split(suites, s, " ")
          for (i = 1; i <= n; i++) for (j = 1; j <= m; j++)
            printf "deb-src [signed-by=%s] %s %s %s\n", key, u[i], s[j], comps
        }
        types = uris = suites = comps = signed = enabled = ""
      }
      /^[ \t]*#/ { next }
      /^[ \t]*$/ { flush(); next }
      /^[A-Za-z-]+:/ {
        field = tolower(substr($0, 1, index($0, ":") - 1)); value = substr($0, index($0, ":") + 1)
        gsub(/^[ \t]+|[ \t]+$/, "", value)
        if (field == "types") types = value
        else if (field == "uris") uris = value
        else if (field == "suites") suites = value
        else if (field == "components") comps = value
        else if (field == "signed-by") signed = value
        else if (field == "enabled") enabled = tolower(value)
        next
      }
      END { flush() }' "$f"
  done
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    awk -v keyring="$keyring" '
      $1 != "deb" { next }
      {
        opts = ""; i = 2
        if ($2 ~ /^\[/) { while ($i !~ /\]$/) { opts = opts " " $i; i++ }; opts = opts " " $i; i++ }
        if (opts !~ /signed-by=/) { sub(/^ *\[/, "", opts); opts = "[signed-by=" keyring (opts ~ /[^ \]]/ ? " " opts : "]") }
        else sub(/^ */, "", opts)
        line = "deb-src " opts
        for (; i <= NF; i++) line = line " " $i
        print line
      }' "$f"
  done
}
new_list=$(machine_sources | sort -u)
[ -n "$new_list" ] || die "found no Debian archive in /etc/apt/sources.list{,.d}"

apt_opts=(-o "Dir::Etc::SourceList=$aptdir/sources.list" -o Dir::Etc::SourceParts=/dev/null
  -o "Dir::State::Lists=$aptdir/lists" -o "Dir::Cache=$aptdir/cache"
  -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= -o Debug::NoLocking=1
  # apt's _apt user cannot write into a home folder; downloads are checked against signed lists anyway.
  -o APT::Sandbox::User=root)

# Re-read the archive's source lists once a day, or when the machine's archive changed.
refresh=${CINDERWAKE_FAMILY_REFRESH:-0}
if [ "$new_list" != "$(cat "$aptdir/sources.list" 2>/dev/null)" ]; then
  echo "$new_list" >"$aptdir/sources.list"
  refresh=1
fi
stamp=$aptdir/updated.stamp
if [ "$refresh" = 1 ] || [ ! -f "$stamp" ] || [ -n "$(find "$stamp" -mmin +1440)" ]; then
  say "reading Debian's source lists"
  apt-get "${apt_opts[@]}" -qq update >&2 || die "apt-get update of the private source list failed"
  rm -f "$aptdir/unavailable"
  touch "$stamp"
fi

# Newest version of a source package whose files the archive really serves: a mirror can list
# a version before (or after) it holds its files. Downloads land in $srcdir, shared by toolchains.
resolve() {
  local pkg=$1 versions v newer w file
  versions=$(apt-cache "${apt_opts[@]}" showsrc --only-source "$pkg" 2>/dev/null | awk '/^Version:/ {print $2}' | sort -u)
  [ -n "$versions" ] || die "Debian has no source package $pkg"
  # Newest first, in Debian's own version order.
  local sorted=()
  for v in $versions; do
    newer=()
    for w in "${sorted[@]}"; do
      if dpkg --compare-versions "$w" gt "$v"; then newer+=("$w"); else break; fi
    done
    sorted=("${newer[@]}" "$v" "${sorted[@]:${#newer[@]}}")
  done
  for v in "${sorted[@]}"; do
    file=$srcdir/${pkg}_${v#*:}.dsc
    if [ -f "$file" ]; then
      echo "$v"
      return
    fi
    grep -qxF "$pkg=$v" "$aptdir/unavailable" 2>/dev/null && continue
    say "fetching source $pkg $v"
    if (cd "$srcdir" && apt-get "${apt_opts[@]}" -qq source --download-only "$pkg=$v" >&2) && [ -f "$file" ]; then
      echo "$v"
      return
    fi
    say "$pkg $v is listed but not served; trying an older one"
    echo "$pkg=$v" >>"$aptdir/unavailable"
  done
  die "no version of $pkg could be fetched"
}

declare -A version
for p in "${packages[@]}"; do version[$p]=$(resolve "$p"); done

# ---------------------------------------------------------------- cache key
deb_version() { dpkg-query -W -f='${Package}=${Version}\n' "$@" 2>/dev/null; }
case "$toolchain" in
  emscripten) tool_versions=$(deb_version emscripten binaryen clang-14 lld-14 llvm-14) ;;
  mingw64) tool_versions=$(deb_version gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64 nasm) ;;
esac
key=$({
  for p in "${packages[@]}"; do echo "$p=${version[$p]}"; done
  echo "$tool_versions"
  deb_version cmake
  # The recipe itself (less its comment lines): changed flags make a different prefix.
  grep -hv '^[[:space:]]*#' "$here/build_family.sh" "$here/mingw64.cmake"
} | sha256sum | cut -c1-12)
prefix=$root/$toolchain-$key
done_stamp=$prefix/.complete

emcache=$root/em-cache-$(dpkg-query -W -f='${Version}' emscripten 2>/dev/null || echo none)
if [ -f "$done_stamp" ]; then
  echo "$prefix"
  exit 0
fi

# ---------------------------------------------------------------- build
mkdir -p "$root"
exec 9>"$root/$toolchain.lock"
flock 9
if [ -f "$done_stamp" ]; then  # another run finished it meanwhile
  echo "$prefix"
  exit 0
fi
started=$(date +%s)
say "building into $prefix"
work=$root/work/$toolchain-$key
# Leftovers of interrupted runs (no stamp) are of no use to anyone.
for d in "$root/$toolchain"-????????????/; do
  [ -f "$d/.complete" ] || rm -rf "$d"
done
rm -rf "$root/work/$toolchain"-*
mkdir -p "$prefix" "$work"
cd "$work"  # nothing a build writes by a relative path may land in the clone

# Only the prefix's own .pc files, never the host's.
export PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig:$prefix/share/pkgconfig
unset PKG_CONFIG_PATH

cmake_common=(-G Ninja -DCMAKE_BUILD_TYPE=Release "-DCMAKE_INSTALL_PREFIX=$prefix"
  "-DCMAKE_PREFIX_PATH=$prefix" "-DCMAKE_FIND_ROOT_PATH=$prefix" -DCMAKE_INSTALL_LIBDIR=lib)
case "$toolchain" in
  emscripten)
    # Emscripten's system libraries (libc, libc++, GL...) live in its cache. Debian ships them
    # prebuilt in a frozen cache; a writable copy of it outside the clone can also build the
    # variants it lacks. The game's link must use the same EM_CACHE.
    if [ ! -f "$emcache/.seeded" ]; then
      say "seeding emscripten's cache in $emcache"
      rm -rf "$emcache"
      cp -a /usr/share/emscripten/cache "$emcache"
      touch "$emcache/.seeded"
    fi
    export EM_CACHE=$emcache EM_FROZEN_CACHE=
    # Configure-time test programs (check_type_size runs them) go through node. emcmake's default,
    # `node --experimental-wasm-threads`, is refused by node >= 18; and emscripten 3.1.6's loader
    # takes node 18's global fetch for a browser's and fails to load the .wasm beside it.
    emulator=$(command -v node)
    "$emulator" --no-experimental-fetch -e 0 2>/dev/null && emulator+=";--no-experimental-fetch"
    # -O0 links: only the libraries' own tools and the configure checks are linked here,
    # and a full emscripten link optimisation per check costs seconds.
    configure=(emcmake cmake "-DCMAKE_CROSSCOMPILING_EMULATOR=$emulator" -DCMAKE_EXE_LINKER_FLAGS=-O0)
    shared=OFF
    ;;
  mingw64)
    configure=(cmake "-DCMAKE_TOOLCHAIN_FILE=$here/mingw64.cmake"
      # C DLLs: no libgcc_s DLL to ship for them.
      -DCMAKE_SHARED_LINKER_FLAGS=-static-libgcc)
    shared=ON
    ;;
esac

# Unpacks a source package (with Debian's patches applied) into $work/<name>.
unpack() {
  local pkg=$1 dir=$work/$1
  dpkg-source -q -x "$srcdir/${pkg}_${version[$pkg]#*:}.dsc" "$dir" >&2 2>"$work/$pkg.unpack.log" ||
    { cat "$work/$pkg.unpack.log" >&2; die "unpacking $pkg failed"; }
  echo "$dir"
}

# Configures, builds and installs one CMake project; its output goes to $work/<name>.log.
cmake_build() {
  local name=$1 src=$2
  shift 2
  local log=$work/$name.log t0
  t0=$(date +%s)
  say "building $name"
  if ! {
    "${configure[@]}" -S "$src" -B "$work/$name-build" "${cmake_common[@]}" "$@" &&
      cmake --build "$work/$name-build" -j "$jobs" &&
      cmake --install "$work/$name-build"
  } >"$log" 2>&1; then
    tail -40 "$log" >&2
    die "$name failed; full log: $log"
  fi
  say "built $name in $(($(date +%s) - t0)) s"
}

# Licence texts: upstream's files plus Debian's copyright summary.
licences() {
  local name=$1 src=$2 f
  mkdir -p "$prefix/share/licenses/$name"
  for f in "$src"/LICENSE* "$src"/COPYING* "$src"/README.ijg "$src"/docs/FTL.TXT "$src"/docs/GPLv2.TXT \
    "$src"/src/codecs/dr_libs/LICENSE; do
    [ -f "$f" ] && cp "$f" "$prefix/share/licenses/$name/"
  done
  cp "$src/debian/copyright" "$prefix/share/licenses/$name/debian-copyright"
}

src=$(unpack libjpeg-turbo)
simd=OFF
[ "$toolchain" = mingw64 ] && simd=ON
cmake_build libjpeg-turbo "$src" -DENABLE_SHARED=$shared -DENABLE_STATIC=$([ $shared = ON ] && echo OFF || echo ON) \
  -DWITH_TURBOJPEG=OFF -DWITH_SIMD=$simd -DCMAKE_POSITION_INDEPENDENT_CODE=ON \
  "-DCMAKE_INSTALL_LIBDIR=$prefix/lib"  # its own GNUInstallDirs takes a relative one as relative to the cwd
licences libjpeg-turbo "$src"

src=$(unpack freetype)
# Only TrueType outlines are needed: no zlib, bzip2, png, brotli or harfbuzz behind it.
cmake_build freetype "$src" -DBUILD_SHARED_LIBS=$shared -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON \
  -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
licences freetype "$src"

src=$(unpack libsdl2)
sdl_opts=(-DSDL_TEST=OFF -DSDL_SHARED=$shared -DSDL_STATIC=$([ $shared = ON ] && echo OFF || echo ON))
# Threads off in the browser: no SharedArrayBuffer needed, and Asyncify is fine with it.
[ "$toolchain" = emscripten ] && sdl_opts+=(-DSDL_THREADS=OFF -DSDL_PTHREADS=OFF)
cmake_build SDL2 "$src" "${sdl_opts[@]}"
licences SDL2 "$src"

# stb_image decodes JPEG and PNG, miniz writes PNG (IMG_SavePNG): no libpng or zlib needed.
src=$(unpack libsdl2-image)
cmake_build SDL2_image "$src" -DBUILD_SHARED_LIBS=$shared -DSDL2IMAGE_BACKEND_STB=ON \
  -DSDL2IMAGE_DEPS_SHARED=OFF -DSDL2IMAGE_VENDORED=OFF -DSDL2IMAGE_SAMPLES=OFF \
  -DSDL2IMAGE_AVIF=OFF -DSDL2IMAGE_JXL=OFF -DSDL2IMAGE_TIF=OFF -DSDL2IMAGE_WEBP=OFF
licences SDL2_image "$src"

# Only the decoders built into SDL_mixer's source: dr_mp3, dr_flac, stb_vorbis and WAVE.
src=$(unpack libsdl2-mixer)
cmake_build SDL2_mixer "$src" -DBUILD_SHARED_LIBS=$shared -DSDL2MIXER_DEPS_SHARED=OFF \
  -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_CMD=OFF \
  -DSDL2MIXER_MP3=ON -DSDL2MIXER_MP3_DRMP3=ON -DSDL2MIXER_MP3_MPG123=OFF \
  -DSDL2MIXER_FLAC=ON -DSDL2MIXER_FLAC_DRFLAC=ON -DSDL2MIXER_FLAC_LIBFLAC=OFF \
  -DSDL2MIXER_VORBIS=STB -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MIDI=OFF \
  -DSDL2MIXER_WAVE=ON
licences SDL2_mixer "$src"

src=$(unpack libsdl2-ttf)
cmake_build SDL2_ttf "$src" -DBUILD_SHARED_LIBS=$shared -DSDL2TTF_HARFBUZZ=OFF -DSDL2TTF_VENDORED=OFF \
  -DSDL2TTF_SAMPLES=OFF
licences SDL2_ttf "$src"

# Header-only, but a cross build's find_package only looks inside the target's trees.
src=$(unpack nlohmann-json3)
cmake_build nlohmann-json "$src" -DJSON_BuildTests=OFF -DJSON_Install=ON
licences nlohmann-json "$src"

# SDL_image, SDL_mixer and SDL_ttf write a .pc file for shared builds only. The archive goes by
# its path: emcc takes a bare -lSDL2_mixer for its own SDL_mixer port and tries to download it.
pc_for_static() {
  local name=$1 pkg=$2 desc=$3 requires=$4 ver
  [ -f "$prefix/lib/pkgconfig/$name.pc" ] && return
  ver=${version[$pkg]#*:}
  ver=${ver%%[+-]*}
  cat >"$prefix/lib/pkgconfig/$name.pc" <<EOF
prefix=$prefix
exec_prefix=\${prefix}
libdir=\${prefix}/lib
includedir=\${prefix}/include

Name: $name
Description: $desc
Version: $ver
Requires: $requires
Libs: \${libdir}/lib$name.a
Cflags: -I\${includedir}/SDL2
EOF
}
pc_for_static SDL2_image libsdl2-image "image loading library for Simple DirectMedia Layer" "sdl2"
pc_for_static SDL2_mixer libsdl2-mixer "mixer library for Simple DirectMedia Layer" "sdl2"
pc_for_static SDL2_ttf libsdl2-ttf "ttf library for Simple DirectMedia Layer with FreeType 2 support" "sdl2 freetype2"

# SDL_image's package file asks for the JPEG and PNG packages even when stb_image does their work.
sed -i -E 's/^if\(SDL2IMAGE_(JPG|PNG) AND NOT SDL2IMAGE_VENDORED/if(SDL2IMAGE_\1 AND NOT SDL2IMAGE_BACKEND_STB AND NOT SDL2IMAGE_VENDORED/' \
  "$prefix/lib/cmake/SDL2_image/SDL2_imageConfig.cmake"
# Static builds only export <name>::<name>-static; give them the shared build's name too, as SDL2 does.
for n in SDL2_image SDL2_mixer SDL2_ttf; do
  cat >>"$prefix/lib/cmake/$n/${n}Config.cmake" <<EOF

# Added by Cinderwake's build_family.sh: the target name a shared build has.
if(TARGET $n::$n-static AND NOT TARGET $n::$n)
  add_library($n::$n ALIAS $n::$n-static)
endif()
EOF
done

case "$toolchain" in
  emscripten)
    # Everything is static here, and CMake's pkg_check_modules links with plain --libs:
    # make the private dependencies public so -lfreetype etc. come along.
    for pc in "$prefix"/lib/pkgconfig/*.pc; do
      sed -i -e 's/^Requires\.private:/Requires:/' "$pc"
      if grep -q '^Libs\.private:' "$pc"; then
        extra=$(sed -n 's/^Libs\.private:\s*//p' "$pc")
        sed -i -e '/^Libs\.private:/d' -e "s|^Libs:.*|& $extra|" "$pc"
      fi
    done
    rm -f "$prefix"/bin/*.js "$prefix"/bin/*.wasm  # libjpeg-turbo's command-line tools
    ;;
  mingw64)
    # The C++ runtime a MinGW C++ program needs next to it, with its licence texts.
    for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
      f=$(x86_64-w64-mingw32-g++-posix -print-file-name="$dll")
      [ -f "$f" ] || f=$(find /usr/lib/gcc/x86_64-w64-mingw32 /usr/x86_64-w64-mingw32 -name "$dll" -path '*posix*' 2>/dev/null | head -1)
      [ -f "$f" ] || f=$(find /usr/lib/gcc/x86_64-w64-mingw32 /usr/x86_64-w64-mingw32 -name "$dll" 2>/dev/null | head -1)
      [ -f "$f" ] && cp "$f" "$prefix/bin/" || say "warning: $dll not found"
    done
    mkdir -p "$prefix/share/licenses/mingw-w64-runtime"
    cp /usr/share/doc/gcc-mingw-w64-base/copyright "$prefix/share/licenses/mingw-w64-runtime/gcc-copyright"
    cp /usr/share/doc/mingw-w64-common/copyright "$prefix/share/licenses/mingw-w64-runtime/mingw-w64-copyright" 2>/dev/null || true
    rm -f "$prefix"/bin/{cjpeg,djpeg,jpegtran,rdjpgcom,wrjpgcom,tjbench}.exe  # libjpeg-turbo's tools
    ;;
esac

{
  for p in "${packages[@]}"; do echo "$p ${version[$p]}"; done
  echo "$tool_versions"
} >"$prefix/share/cinderwake-family-versions.txt"
# What a consumer's configure and build need in its environment.
{
  echo "export PKG_CONFIG_LIBDIR='$PKG_CONFIG_LIBDIR'"
  echo "export CINDERWAKE_FAMILY_PREFIX='$prefix'"
  if [ "$toolchain" = emscripten ]; then
    echo "export EM_CACHE='$EM_CACHE' EM_FROZEN_CACHE=''"
    echo "export NODE_PATH='$NODE_PATH'"
  fi
} >"$prefix/share/cinderwake-family.env"
rm -rf "$work"
say "done in $(($(date +%s) - started)) s"
touch "$done_stamp"  # last: marks the prefix complete
echo "$prefix"
