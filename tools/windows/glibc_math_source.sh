#!/usr/bin/env bash
# The few files of Debian's glibc source that make its sin, cos, sincos, atan and pow, for the Windows
# build: with them the game's trajectories on Windows are bit for bit those of the Linux program, which
# other C runtimes' versions of these functions are not (see cmake/windows/glibc_math).
#
# Usage: tools/windows/glibc_math_source.sh      The last line on stdout is the folder.
# Takes the source of the glibc the machine runs (the newest one Debian serves when that one is gone),
# fetched with the private source lists of tools/deps/build_family.sh, so that runs first.
# Cached in ${CINDERWAKE_CACHE:-~/.cache/cinderwake}/glibc-math-VERSION.
set -euo pipefail

say() { echo "glibc_math_source: $*" >&2; }
die() {
  say "error: $*"
  exit 1
}

cache=$(realpath -m "${CINDERWAKE_CACHE:-$HOME/.cache/cinderwake}")
aptdir=$cache/family/apt
[ -f "$aptdir/sources.list" ] || die "no source lists in $aptdir: run tools/deps/build_family.sh first"
apt_opts=(-o "Dir::Etc::SourceList=$aptdir/sources.list" -o Dir::Etc::SourceParts=/dev/null
  -o "Dir::State::Lists=$aptdir/lists" -o "Dir::Cache=$aptdir/cache"
  -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= -o Debug::NoLocking=1 -o APT::Sandbox::User=root)

files=(s_sin.c s_sincos.c branred.c branred.h sincostab.c usncs.h mydefs.h dla.h s_atan.c uatan.tbl atnat.h
  e_pow.c e_pow_log_data.c e_exp_data.c math_config.h math_err.c)

want=$(dpkg-query -W -f='${source:Version}' libc6 2>/dev/null) || die "libc6 is not installed"
out=$cache/glibc-math-$want
if [ -f "$out/.complete" ]; then
  echo "$out"
  exit 0
fi

mkdir -p "$cache"
exec 9>"$cache/glibc-math.lock"
flock 9
if [ -f "$out/.complete" ]; then
  echo "$out"
  exit 0
fi

work=$(mktemp -d "$cache/glibc-math-work.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
version=$want
if ! apt-get "${apt_opts[@]}" -qq source --download-only "glibc=$want" >&2 2>/dev/null; then
  version=$(apt-cache "${apt_opts[@]}" showsrc --only-source glibc 2>/dev/null | awk '/^Version:/ {print $2}' |
    sort -V | tail -1)
  [ -n "$version" ] || die "Debian serves no glibc source"
  say "glibc $want is no longer served; taking $version (its math may differ from the machine's)"
  apt-get "${apt_opts[@]}" -qq source --download-only "glibc=$version" >&2 || die "fetching glibc $version failed"
fi
say "unpacking glibc $version with Debian's patches"
dpkg-source -q -x ./glibc_"${version#*:}".dsc src >/dev/null 2>"$work/unpack.log" || {
  cat "$work/unpack.log" >&2
  die "unpacking glibc failed"
}
rm -rf "$out"
mkdir -p "$out/dbl-64" "$out/licenses"
for f in "${files[@]}"; do cp "src/sysdeps/ieee754/dbl-64/$f" "$out/dbl-64/"; done
cp src/COPYING.LIB src/LICENSES "$out/licenses/"
cp src/debian/copyright "$out/licenses/debian-copyright"
echo "$version" >"$out/version"
touch "$out/.complete"
echo "$out"
