#!/usr/bin/env bash
# tools/run.sh: builds and runs the main job of the drawing program on a bundled example.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh build
example=examples/sample13x10.kzt
out=build/sample13x10.saved.kzt
build/bin/Trelmo --save "$example" "$out"
cmp "$example" "$out" && echo "round trip of $example kept every byte"
build/bin/Trelmo --words "$example"
