#!/usr/bin/env bash
# Builds the libFuzzer targets (build-fuzz/) and runs each for FUZZ_SECONDS
# (default 20) on a copy of its seeds, tests/data/fuzz/<name>, with its
# dictionary when it has one, FUZZ_JOBS (default: the processors) at a time.
# Any crash, sanitizer report, leak or time-out fails the run: the input is
# saved under build-fuzz/runs/<name>/, minimised, and its bytes are printed in hex. Copied into the seed folder, it becomes the
# regular test fuzz_seeds_<name> of every other build.
# Usage: scripts/fuzz.sh [--keep] [target names...]   (default: every target)
#   --keep  merges what a run found into the seed folder: only the inputs that
#           reach code the seeds do not are added.
set -euo pipefail
cd "$(dirname "$0")/.."
keep=0
if [ "${1:-}" = "--keep" ]; then
  keep=1
  shift
fi
scripts/install-deps.sh
scripts/build.sh --fuzz
seconds=${FUZZ_SECONDS:-20}
# A smaller quarantine and fill keep the Qt-heavy targets fast (their buffers
# are otherwise fresh pages on every run) and still catch use after free.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:quarantine_size_mb=64:max_malloc_fill_size=256}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/fuzz/lsan_suppressions.txt}

targets=()
if [ $# -gt 0 ]; then
  for name in "$@"; do
    found=$(find build-fuzz/fuzz -type f -name "fuzz_$name" -perm -u+x | head -n 1)
    [ -n "$found" ] || { echo "No fuzz target $name" >&2; exit 1; }
    targets+=("$found")
  done
else
  mapfile -t targets < <(find build-fuzz/fuzz -type f -name 'fuzz_*' -perm -u+x | sort)
fi
[ ${#targets[@]} -gt 0 ] || { echo "No fuzz targets built" >&2; exit 1; }

print_input() {
  local file=$1
  echo "   $file ($(stat -c %s "$file") bytes):"
  od -An -tx1 -v "$file" | head -n 256
  [ "$(stat -c %s "$file")" -le 4096 ] || echo "   ... (first 4096 bytes shown)"
}

# Runs one target in the background; its log and exit code stay in its run folder.
start_run() {
  local target=$1 name=${1##*/fuzz_}
  local seeds=tests/data/fuzz/$name run=build-fuzz/runs/$name
  rm -rf "$run"
  mkdir -p "$run/corpus" "$run/crash"
  [ -d "$seeds" ] && cp -r "$seeds/." "$run/corpus/"
  local options=(-max_total_time="$seconds" -timeout=25 -rss_limit_mb=2560 -print_final_stats=1
                 -artifact_prefix="$run/crash/")
  [ -f "$target.dict" ] && options+=(-dict="$target.dict")
  ( "$target" "${options[@]}" "$run/corpus" >"$run/log" 2>&1; echo $? >"$run/status" ) &
}

# As many targets at a time as there are processors (FUZZ_JOBS to change).
jobs=${FUZZ_JOBS:-$(nproc)}
for target in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  start_run "$target"
done
wait

failed=0
for target in "${targets[@]}"; do
  name=${target##*/fuzz_}
  seeds=tests/data/fuzz/$name
  run=build-fuzz/runs/$name
  echo "== $name"
  if [ "$(cat "$run/status")" = 0 ]; then
    # libFuzzer's last status line (executions, coverage, corpus) and its summary.
    grep -E '^#[0-9]+[[:space:]]+DONE' "$run/log" | tail -n 1
    grep -E '^Done [0-9]+ runs' "$run/log" | tail -n 1
    if [ $keep -eq 1 ]; then
      mkdir -p "$seeds"
      "$target" -merge=1 "$seeds" "$run/corpus" >"$run/merge.log" 2>&1
      echo "   seeds kept in $seeds: $(find "$seeds" -type f | wc -l) files"
    fi
    continue
  fi
  failed=1
  echo "FAILED: $name (log: $run/log)"
  grep -E 'ERROR|SUMMARY|^#[0-9]+|==[0-9]+==' "$run/log" | tail -n 30 | sed 's/^/   /'
  for input in "$run"/crash/*; do
    [ -f "$input" ] || continue
    echo " input that failed:"
    print_input "$input"
    "$target" -minimize_crash=1 -max_total_time=60 -exact_artifact_path="$input.min" "$input" \
      >"$run/minimize.log" 2>&1 || true
    if [ -f "$input.min" ]; then
      echo " minimised:"
      print_input "$input.min"
    fi
    echo " reproduce with: $target $input"
    echo " keep it as a test (fuzz_seeds_$name) before fixing: cp $input $seeds/"
  done
done
exit $failed
