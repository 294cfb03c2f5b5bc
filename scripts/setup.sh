#!/usr/bin/env bash
# Installs the Debian packages Velmora builds and tests with, when missing.
# Quiet when everything is present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  nlohmann-json3-dev
  binutils
  qt6-base-dev qt6-svg-dev xvfb xauth fonts-liberation2
  poppler-utils
  clang libclang-rt-dev
  python3 groff-base
  dpkg-dev file librsvg2-bin desktop-file-utils appstream imagemagick x11-utils xdotool
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
