#!/usr/bin/env bash
# Builds the Direct3D 9 stand-in and its bench, then prints layer vs bare GL
# times of the elimination passes. Arguments go to the bench, e.g.
#   bench/d3d9/run.sh 500 --pivots 100
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2 --target kordane_d3d9 >/dev/null
libs=(build/src/platform/d3d9/libkordane_d3d9.a)
[ -f build/src/platform/hlsl/libkordane_hlsl.a ] && libs+=(build/src/platform/hlsl/libkordane_hlsl.a)
g++ -std=c++20 -O2 -Wall -Wextra \
    -Isrc/platform/include -Isrc/platform -Isrc/platform/d3d9 \
    bench/d3d9/bench_main.cpp bench/d3d9/layer_path.cpp bench/d3d9/bare_gl_path.cpp \
    "${libs[@]}" -lepoxy -o build/d3d9_bench
exec build/d3d9_bench "$@"
