#!/usr/bin/env bash
# tools/test.sh [BUILD_DIR] [extra cmake args...]: builds everything and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}; shift || true
tools/build.sh "$dir" "$@"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)" --timeout 300
