#!/usr/bin/env bash
# Builds and runs the GPU elimination benchmark.
#   bench/dx9/run.sh                 n = 500 and 1000: the DX9 section's Render against the
#                                 same passes on bare OpenGL, same run, same card
#   bench/dx9/run.sh --bandwidth     n = 4096: time and effective bandwidth beside the card's peak
# Further arguments go to the program (--sizes n,n  --reps r  --peak-gbs x).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
build="${KD_BUILD:-$repo/build}"

cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target kordane_dx9 kordane_hlsl >/dev/null

libs=()
for lib in src/dx9/libkordane_dx9.a src/platform/d3d9/libkordane_d3d9.a src/platform/hlsl/libkordane_hlsl.a \
           src/report/libkordane_report.a src/platform/win32/libkordane_win32.a; do
  libs+=("$build/$lib")
done
mkdir -p "$build/bench-dx9"
g++ -std=c++20 -O2 -Wall -Wextra \
  -I"$repo/src" -I"$repo/src/report" -I"$repo/src/platform" -I"$repo/src/platform/include" -I"$repo/src/platform/hlsl" \
  -DKORDANE_EFFECT_SOURCE="\"$repo/src/dx9/kordane02_DX9.fx\"" \
  "$here/dx9_bench.cpp" "$here/bare_gl_elimination.cpp" \
  -Wl,--start-group "${libs[@]}" -Wl,--end-group -lepoxy -o "$build/bench-dx9/dx9_bench"
exec "$build/bench-dx9/dx9_bench" "$@"
