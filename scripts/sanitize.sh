#!/usr/bin/env bash
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer in a folder outside the
# source tree and runs them under the offscreen platform. Exits non-zero on any report.
# Usage: scripts/sanitize.sh [build folder]   (default: /tmp/solvarin-sanitize)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-/tmp/solvarin-sanitize}"
"$root/scripts/deps.sh"
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug \
  -DSOLVARIN_BENCH=OFF -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build "$build" -j "$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
# Leaks inside the system's font and graphics libraries are theirs, not ours. Thread-local storage
# is not searched for pointers: this LeakSanitizer now and then crashed ("Tracer caught signal 11")
# reading a nonsense dynamic-TLS range of the main thread at exit. Fewer places searched can only
# report more blocks, never fewer.
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0:use_tls=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
