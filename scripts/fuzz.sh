#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in their own build directory and runs each for the
# given number of seconds (default 60), starting from the seed corpus in fuzz/corpus.
# Usage: scripts/fuzz.sh [seconds]
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${SOLVARIN_FUZZ_BUILD:-$root/build-fuzz}"

cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSOLVARIN_FUZZ=ON -DSOLVARIN_TESTS=OFF -DSOLVARIN_BENCH=OFF
cmake --build "$build" --target fuzz_book fuzz_quantity -j2

status=0
for target in book quantity; do
    # New inputs go to a working corpus in the build directory; the seeds stay as they are.
    work="$build/fuzz/corpus-$target"
    artifacts="$build/fuzz/artifacts-$target/"
    mkdir -p "$work" "$artifacts"
    max_len=4096
    dict=()
    if [ "$target" = book ]; then
        max_len=65536
        dict=(-dict="$root/fuzz/book.dict")
    fi
    echo "== fuzz_$target for ${seconds}s"
    if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=20 \
        -artifact_prefix="$artifacts" -print_final_stats=1 "${dict[@]}" \
        "$work" "$root/fuzz/corpus/$target"; then
        echo "fuzz_$target found a problem; see $artifacts" >&2
        status=1
    fi
done
exit $status
