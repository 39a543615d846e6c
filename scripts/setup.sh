#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the game need (run as root on a
# fresh Debian machine; does nothing when they are already there).
set -euo pipefail
PACKAGES=(
  build-essential cmake pkg-config ninja-build
  libsdl2-dev libgl-dev libpng-dev libjpeg-dev libfreetype-dev
  libogg-dev libvorbis-dev libopenal-dev libcairo2-dev libebur128-dev sox
  googletest libgtest-dev
  fonts-cardo fonts-klaudia-berenika
  xvfb xauth ccache libgl1-mesa-dri
  desktop-file-utils appstream dpkg-dev
  clang libclang-rt-14-dev
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
fi
