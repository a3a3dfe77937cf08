#!/usr/bin/env bash
# tools/build.sh [BUILD_DIR] [extra cmake args...]: configures and builds the whole tree.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}; shift || true
"$(dirname "$0")/deps.sh"
gen=()
command -v ninja >/dev/null && gen=(-G Ninja)
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S . -B "$dir" "${gen[@]}" "$@"
else
  cmake -S . -B "$dir" "$@" >/dev/null
fi
cmake --build "$dir" -j"$(nproc)"
