#!/usr/bin/env bash
# The EDS files read by the independent EDS reader (npm package "canopen",
# installed by scripts/install-deps.sh): every fixture's expected.eds and the
# EDS the writer writes now from the fixture's tables, each compared with the
# tables as the writer read them.
# Usage: eds_canopen_check.sh <reader folder> <fixtures folder> <eds_model program>
set -euo pipefail
reader=$1
fixtures=$2
eds_model=$3
here=$(cd "$(dirname "$0")" && pwd)
if ! command -v node >/dev/null || [ ! -f "$reader/node_modules/canopen/package.json" ]; then
  echo "The EDS reader is not installed in $reader: run scripts/install-deps.sh" >&2
  exit 1
fi
models=$(mktemp -d)
trap 'rm -rf "$models"' EXIT
"$eds_model" "$models" "$fixtures"/eds_*
NODE_PATH="$reader/node_modules" node "$here/eds_canopen_check.js" "$models" "$fixtures"
