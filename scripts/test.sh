#!/usr/bin/env bash
# Installs what is missing, builds and runs the tests.
# Usage: scripts/test.sh [--sanitize | --tsan]
#   --sanitize  every test under AddressSanitizer and UBSan (build-asan/)
#   --tsan      the tests that start threads under ThreadSanitizer (build-tsan/)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh "$@"
build_dir=build
selection=()
case "${1:-}" in
  --sanitize) build_dir=build-asan ;;
  --tsan)
    build_dir=build-tsan
    selection=(-L threads --no-tests=error)
    ;;
esac
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# A data race fails its test: ThreadSanitizer ends the process with a non-zero code.
# Qt's own threads are not watched (tests/tsan_suppressions.txt says why).
export TSAN_OPTIONS=${TSAN_OPTIONS:-second_deadlock_stack=1 suppressions=$PWD/tests/tsan_suppressions.txt}
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" --timeout 300 "${selection[@]}"
