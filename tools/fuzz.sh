#!/usr/bin/env bash
# tools/fuzz.sh [SECONDS]: builds the libFuzzer targets with clang and runs each on its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
dir=build-fuzz
tools/deps.sh
gen=()
command -v ninja >/dev/null && gen=(-G Ninja)
[ -f "$dir/CMakeCache.txt" ] || CC=clang CXX=clang++ cmake -S . -B "$dir" "${gen[@]}" -DTRELMO_FUZZ=ON -DTRELMO_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake -S . -B "$dir" >/dev/null
cmake --build "$dir" --target fuzzers -j"$(nproc)"
[ -s "$dir/fuzzers.txt" ] || { echo "no fuzz targets"; exit 0; }
while read -r name corpus; do
  [ -n "$name" ] || continue
  work=$(mktemp -d)
  cp -r "$corpus"/. "$work"/ 2>/dev/null || true
  echo "== fuzzing $name for ${seconds}s"
  "$dir/fuzz/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$work" 2>&1 | tail -n 15
  rm -rf "$work"
done < "$dir/fuzzers.txt"
