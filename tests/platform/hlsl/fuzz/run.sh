#!/bin/sh
# Fuzzes the HLSL effect compiler with libFuzzer for a bounded time.
#   tests/platform/hlsl/fuzz/run.sh SECONDS [LIBFUZZER-FLAGS...]
# Builds into build-fuzz/ at the top of the work tree, seeds the corpus with
# the test cases and the regression inputs, and leaves any crash-*, timeout-*,
# leak-* or oom-* input in build-fuzz/artifacts/. Copy each into
# tests/platform/hlsl/regress/ once it is understood.
set -eu
if [ $# -lt 1 ]; then
    echo "usage: $0 SECONDS [LIBFUZZER-FLAGS...]" >&2
    exit 2
fi
seconds=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../../.." && pwd)
out=$root/build-fuzz
mkdir -p "$out/corpus" "$out/artifacts"

# Rebuild only when a source is newer than the binary (the sanitizer build
# takes minutes).
if [ ! -x "$out/fuzz_compile" ] || [ -n "$(find "$here/fuzz_compile.cpp" "$root/src/platform/hlsl" \
        -maxdepth 1 -type f -newer "$out/fuzz_compile" | head -n 1)" ]; then
    clang++ -std=c++20 -O1 -g -fno-omit-frame-pointer \
        -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
        -I"$root/src/platform" \
        "$here/fuzz_compile.cpp" "$root"/src/platform/hlsl/*.cpp \
        -o "$out/fuzz_compile"
fi

for f in "$here"/../cases/*.fx "$here"/../cases/inc/*.fxh "$here"/../regress/*; do
    [ -f "$f" ] && cp "$f" "$out/corpus/seed-$(basename "$f")"
done

# -timeout: one input taking 10 s under the sanitizers (a few times slower
# than a release build) counts as a hang; -rss_limit_mb: runaway memory.
# Flags given after SECONDS come last and win (e.g. -timeout=30 to look
# past a known slow input). The exit status is libFuzzer's: non-zero after
# a finding.
exec "$out/fuzz_compile" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
    -dict="$here/hlsl.dict" -artifact_prefix="$out/artifacts/" -print_final_stats=1 \
    "$@" "$out/corpus"
