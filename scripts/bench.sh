#!/usr/bin/env bash
# Builds and runs every benchmark in bench/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
for b in build/bench/*/*_bench; do [ -x "$b" ] && "$b"; done
