#!/usr/bin/env bash
# Prints how long the HLSL compiler takes for the project's effect file
# (or the file given), GLSL generation included. Release build.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
fx="${1:-}"
if [ -z "$fx" ]; then
  fx="$root/src/dx9/kordane02_DX9.fx"
  [ -f "$fx" ] || fx="$root/bench/hlsl/sample.fx"
fi
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" --target kordane_hlsl -j2 >/dev/null
out="$root/build/bench/hlsl"
mkdir -p "$out"
g++ -std=c++20 -O2 -I"$root/src/platform" "$root/bench/hlsl/compile_time.cpp" \
  "$root/build/src/platform/hlsl/libkordane_hlsl.a" -o "$out/compile_time"
"$out/compile_time" "$fx" "${2:-200}"
