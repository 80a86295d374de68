#!/bin/bash
# Installs what the build and the tests need on a Debian machine (as root),
# then configures and builds with the mingw preset and prepares the Wine test
# bed of the build tree. Safe to run again: it installs only what is missing.
set -eu
cd "$(dirname "$0")/.."

packages=(cmake ninja-build python3 g++-mingw-w64-i686 mingw-w64-i686-dev binutils-mingw-w64-i686 googletest
          wine wine32:i386 xvfb mscompress imagemagick util-linux)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

cmake --preset mingw >/dev/null
cmake --build --preset mingw
# The build tree's own Wine prefix and virtual display.
cmake/wine-session.sh ensure "$PWD/build/wine" "$PWD/build/wine/appdefaults.reg"
