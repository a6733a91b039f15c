#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need; does nothing if all are there.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config clang
  libgtest-dev libgmock-dev libbenchmark-dev
  libpng-dev libpixman-1-dev libsdl2-dev libfreetype-dev
  nlohmann-json3-dev libcli11-dev libtomlplusplus-dev libfmt-dev
  xfonts-base
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
