#!/usr/bin/env bash
# Figures of the CPU back-end for n = 500, 1000 and 2000: load time and
# Compute time per precision, each with its ratio to the plain counterpart
# (the fscanf loop; the elimination loop built with -O3 -march=native
# -ffp-contract=off for this machine), measured in the same run on the same
# matrix, and whether the results are bit-identical.
# Usage: bench/cpu/run.sh [--all-paths] [sizes...]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$root/build"
out="$build/bench/cpu"
mkdir -p "$out"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target kordane_cpu -j2 >/dev/null
g++ -std=c++20 -O3 -march=native -ffp-contract=off -c "$root/bench/cpu/plain_elimination.cpp" -o "$out/plain_elimination.o"
g++ -std=c++20 -O2 -ffp-contract=off -Wall -Wextra -I"$root/src" "$root/bench/cpu/bench_main.cpp" \
    "$out/plain_elimination.o" "$build/src/cpu/libkordane_cpu.a" "$build/src/cpu/libkordane_cpu_kernels.a" \
    "$build/src/report/libkordane_report.a" "$build/src/platform/win32/libkordane_win32.a" -o "$out/kordane_cpu_bench"
echo "processor: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2-)"
"$out/kordane_cpu_bench" "$out" "$@"
