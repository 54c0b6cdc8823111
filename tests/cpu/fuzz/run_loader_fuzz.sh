#!/usr/bin/env bash
# By-hand fuzzing of the matrix loader against the "%f " scan (libFuzzer,
# with the address and undefined-behaviour sanitizers). Not part of ctest.
# Usage: tests/cpu/fuzz/run_loader_fuzz.sh [seconds, default 60]
set -euo pipefail
root="$(cd "$(dirname "$0")/../../.." && pwd)"
out="$root/build/fuzz/cpu"
mkdir -p "$out/corpus"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -ffp-contract=off -I"$root/src" \
    "$root/tests/cpu/fuzz/loader_fuzzer.cpp" "$root/src/cpu/matrix_loader.cpp" -o "$out/loader_fuzzer"
printf '\x02\x01 1 2 3 4\n' >"$out/corpus/plain"
printf '\x03\x02 1e5 nan -inf 0x1p3 1e x 5.\n' >"$out/corpus/special"
"$out/loader_fuzzer" -max_total_time="${1:-60}" -max_len=256 "$out/corpus"
