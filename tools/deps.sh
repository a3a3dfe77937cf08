#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the fuzzers need, when missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libgl-dev
  libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fontconfig fonts-dejavu-core fonts-liberation
  hyperfine
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}" >&2
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq || true
  $sudo apt-get install -y -qq "${missing[@]}"
fi
