#!/usr/bin/env bash
# Installs what is missing, builds and starts the configurator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh kelvra-configurator
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. Run it in a virtual one with:"
  echo "  xvfb-run -a -s '-screen 0 1280x1024x24' build/src/app/kelvra-configurator"
  exit 1
fi
exec build/src/app/kelvra-configurator
