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
# Leaks inside the system's font and graphics libraries are theirs, not ours.
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$build"
log="$build/sanitize-run.log"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" 2>&1 | tee "$log" && exit 0
# LeakSanitizer's own tracer now and then crashes while it reads a thread's dynamic TLS at exit
# ("Tracer caught signal 11", after every test passed); that is the sanitizer runtime's fault, not
# a report. Only then are the failed tests run once more, alone.
grep -q "Tracer caught signal" "$log" || exit 1
echo "LeakSanitizer's tracer crashed; running the failed tests once more"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --rerun-failed
