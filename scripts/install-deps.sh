#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs, only those missing, and the
# independent EDS reader the EDS check uses (npm package "canopen", pinned in
# tests/outputs/descriptions/eds_reader) into build-deps/, only when missing.
# Without network access a missing piece makes it fail, never a silent skip.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config git ccache
  clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev libxkbcommon-dev
  libpugixml-dev libssl-dev libcurl4-openssl-dev zlib1g-dev libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth python3 libxml2-utils poppler-utils
  libzip-dev libfreexl-dev python3-openpyxl
)
# Node.js and npm from Debian, unless the machine already has them.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    as_root=(sudo)
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq "${missing[@]}"
fi

# The EDS reader, exactly as locked; its native CRC helper is not needed, so no
# install scripts run.
pinned=tests/outputs/descriptions/eds_reader
reader=build-deps/npm-canopen
if ! cmp -s "$pinned/package-lock.json" "$reader/package-lock.json" || [ ! -f "$reader/node_modules/canopen/package.json" ]; then
  echo "Installing the EDS reader into $reader"
  rm -rf "$reader"
  mkdir -p "$reader"
  cp "$pinned/package.json" "$pinned/package-lock.json" "$reader/"
  if ! (cd "$reader" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error); then
    rm -rf "$reader"
    echo "Could not install the npm package canopen (no access to the npm registry?)." >&2
    echo "The EDS reader check needs it: run scripts/install-deps.sh again with network access." >&2
    exit 1
  fi
fi
