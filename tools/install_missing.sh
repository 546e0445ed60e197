#!/usr/bin/env bash
# Installs those of the given Debian packages that are missing; says what it installs on stderr.
#   bash tools/install_missing.sh PACKAGE...
set -euo pipefail
missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
((${#missing[@]})) || exit 0
echo "Installing: ${missing[*]}" >&2
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
install() { DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2; }
# Lists from an earlier update will often do; update only when they don't.
if ! install; then
  $sudo apt-get update -qq >&2
  install
fi
