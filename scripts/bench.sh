#!/usr/bin/env bash
# Builds and runs every benchmark in bench/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
# Every benchmark runs; the script fails at the end when one missed its target.
status=0
for b in build/bench/*/*_bench; do
  [ -x "$b" ] || continue
  "$b" || status=1
done
exit $status
