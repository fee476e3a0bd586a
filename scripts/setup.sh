#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Velmora
# need, when any of them is missing. Safe to run again.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev
  culmus fonts-dejavu-core
  clang libclang-rt-14-dev
  xvfb xdotool x11-apps imagemagick python3
  xclip
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

# The word processor that reads the Rich Text export in the tests: headless,
# and without its recommendations, which would bring a whole office suite.
if ! dpkg-query -W -f='${Status}' libreoffice-writer-nogui 2>/dev/null |
    grep -q "install ok installed"; then
  echo "Installing: libreoffice-writer-nogui"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq \
    --no-install-recommends libreoffice-writer-nogui
fi
