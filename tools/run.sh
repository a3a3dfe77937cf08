#!/usr/bin/env bash
# tools/run.sh: builds, then runs the main job on the bundled 13 x 10 example: a byte-exact
# load/save round trip, the word runs, a rendering to PNG and, when a display is available,
# the drawing program itself with the example handed over as the generator would.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh build
example=examples/sample13x10.kzt
out=build/sample13x10.saved.kzt
build/bin/Trelmo --save "$example" "$out"
cmp "$example" "$out" && echo "round trip of $example kept every byte"
build/bin/Trelmo --words "$example"
build/bin/Trelmo --render "$example" build/sample13x10.png
echo "painted $example into build/sample13x10.png"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
  build/bin/Trelmo &
  program=$!
  for _ in $(seq 50); do
    build/bin/Trelmo --handover "$example" 2>/dev/null && break
    sleep 0.2
  done
  wait "$program"
else
  echo "no display: the windows were not opened (run build/bin/Trelmo on a desktop)"
fi
