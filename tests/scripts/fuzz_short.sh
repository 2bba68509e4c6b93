#!/usr/bin/env bash
# Builds the storage fuzz targets with clang in <build dir>/fuzz and runs each for a short while
# (FUZZ_SECONDS, 20 s by default). Skipped with a message when clang or its fuzzer runtime is missing.
# Usage: fuzz_short.sh <build dir> <source dir> [<data dir>]
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
seconds=${FUZZ_SECONDS:-20}

if ! command -v clang >/dev/null || ! command -v clang++ >/dev/null; then
    echo "fuzz_short: skipped (clang is not installed)"
    exit 0
fi
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' \
    > "$probe/probe.cpp"
if ! clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" 2>"$probe/log"; then
    echo "fuzz_short: skipped (clang cannot build fuzz targets: the libFuzzer runtime is missing)"
    cat "$probe/log"
    exit 0
fi

fuzz="$build/fuzz"
cmake -S "$source" -B "$fuzz" -G Ninja -DTESSARO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >"$fuzz.configure.log" 2>&1 ||
    { cat "$fuzz.configure.log"; exit 1; }
cmake --build "$fuzz" -j2

# Cheaper allocations (no fill, a small quarantine, short malloc stacks): the targets allocate a lot
# and the checks stay the same.
export ASAN_OPTIONS="max_malloc_fill_size=0:quarantine_size_mb=16:malloc_context_size=4${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
status=0
for name in tsc xml; do
    work="$fuzz/corpus-$name"
    mkdir -p "$work" "$fuzz/artifacts"
    log="$fuzz/fuzz_$name.log"
    echo "fuzz_$name: running for $seconds s"
    if "$fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -dict="$source/tests/fuzz/$name.dict" -artifact_prefix="$fuzz/artifacts/$name-" \
        "$work" "$source/tests/fuzz/corpus/$name" >"$log" 2>&1; then
        grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)|^Done|cov: ' "$log" | tail -n 4
        echo "fuzz_$name: passed"
    else
        tail -n 60 "$log"
        echo "fuzz_$name: FAILED (inputs in $fuzz/artifacts)"
        status=1
    fi
done
exit $status
