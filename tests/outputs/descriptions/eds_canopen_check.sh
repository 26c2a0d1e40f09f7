#!/usr/bin/env bash
# Installs the npm package "canopen" into a cache folder (once) and runs
# eds_canopen_check.js over the EDS fixtures. Exit 77 (skipped) when Node.js
# or npm is not installed.
# Usage: eds_canopen_check.sh <cache folder> <fixtures folder>
set -euo pipefail
cache=$1
fixtures=$2
here=$(cd "$(dirname "$0")" && pwd)
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  echo "node or npm missing: skipped"
  exit 77
fi
if [ ! -d "$cache/node_modules/canopen" ]; then
  mkdir -p "$cache"
  # Only the EDS reader is used, which needs no native build.
  npm install --prefix "$cache" --no-audit --no-fund --ignore-scripts --silent canopen@6 >/dev/null
fi
NODE_PATH="$cache/node_modules" node "$here/eds_canopen_check.js" "$fixtures"
