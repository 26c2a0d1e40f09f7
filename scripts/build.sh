#!/usr/bin/env bash
# Configures and builds one of the project's builds, through ccache when it is installed.
# Usage: scripts/build.sh [--sanitize | --fuzz | --tsan] [ninja targets...]
#   (none)      build/        RelWithDebInfo, everything
#   --sanitize  build-asan/   AddressSanitizer and UBSan, every test
#   --fuzz      build-fuzz/   clang, libFuzzer with ASan and UBSan; only the fuzz targets
#   --tsan      build-tsan/   ThreadSanitizer; only the tests that start threads
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
default_targets=()
case "${1:-}" in
  --sanitize)
    shift
    build_dir=build-asan
    options=(-DCMAKE_BUILD_TYPE=Debug -DKELVRA_SANITIZE=ON -DKELVRA_BUILD_BENCH=OFF)
    ;;
  --fuzz)
    shift
    build_dir=build-fuzz
    options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang
             -DKELVRA_FUZZ=ON -DKELVRA_BUILD_TESTS=OFF -DKELVRA_BUILD_BENCH=OFF)
    default_targets=(fuzz_targets)
    ;;
  --tsan)
    shift
    build_dir=build-tsan
    options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVRA_TSAN=ON -DKELVRA_BUILD_BENCH=OFF -DKELVRA_BUILD_FUZZ=OFF)
    default_targets=(thread_tests)
    ;;
esac
if command -v ccache >/dev/null; then
  options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # One cache for every clone of the project on this machine.
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
fi
cmake -S . -B "$build_dir" -G Ninja "${options[@]}" >/dev/null
[ $# -gt 0 ] || set -- "${default_targets[@]}"
cmake --build "$build_dir" -- "$@"
