#!/usr/bin/env bash
# Configures and builds. Usage: scripts/build.sh [--sanitize] [ninja targets...]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  shift
  build_dir=build-asan
  options=(-DCMAKE_BUILD_TYPE=Debug -DKELVRA_SANITIZE=ON -DKELVRA_BUILD_BENCH=OFF)
fi
cmake -S . -B "$build_dir" -G Ninja "${options[@]}" >/dev/null
cmake --build "$build_dir" -- "$@"
