#!/usr/bin/env bash
# Sets up, builds and starts the game. Without a display, runs it under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" build/orbivale "$@"
fi
exec build/orbivale "$@"
