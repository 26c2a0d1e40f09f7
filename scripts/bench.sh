#!/usr/bin/env bash
# Builds and runs every benchmark in bench/ and prints one table of their goals:
# measure, figure, baseline, ratio, goal, pass. Each benchmark exits non-zero
# when it misses a goal; the script then fails at the end. Run it on an idle
# machine: the ratios are measured in alternating rounds, but a loaded machine
# still widens them. BENCH_BUILD_DIR picks another build directory (default build).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BENCH_BUILD_DIR:-build}
if [ -z "${BENCH_BUILD_DIR:-}" ]; then
  scripts/install-deps.sh
  scripts/build.sh
fi
log=$(mktemp)
out=$(mktemp)
trap 'rm -f "$log" "$out"' EXIT
status=0
for b in "$build_dir"/bench/*/*_bench; do
  [ -x "$b" ] || continue
  name=$(basename "$b")
  echo "== $name"
  "$b" >"$out" 2>&1 || status=1
  cat "$out"
  sed -n "s/^goal | /$name | /p" "$out" >>"$log"
done
echo
echo "load: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
{
  echo "benchmark | measure | figure | baseline | ratio | goal | pass"
  cat "$log"
} | column -t -s '|'
exit $status
