#!/usr/bin/env bash
# Installs the Debian packages that building and testing need. Does nothing (and makes no network
# call) when every package is already installed, so it is cheap to run before each build.
set -euo pipefail

packages=(
  cmake g++ libgtest-dev googletest
  g++-mingw-w64-i686-posix
  wine wine32:i386
  xvfb imagemagick x11-utils xdotool
  nsis sox zip python3
)

missing=()
for pkg in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "deps: installing ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo[@]}" dpkg --add-architecture i386
fi
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q "${missing[@]}"
