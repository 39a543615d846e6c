#!/usr/bin/env bash
# Headless screenshots of every dialog over its screen (quit, welcome, hints toggled, both help
# pages, the four city screens, route hint, treasure, victory, ready, trade, level complete, last
# life, try again, in-game menu) and two frames of the main menu, written as PNG files into the
# folder given (default /tmp/orbivale_dialogs), whose name it prints.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-/tmp/orbivale_dialogs}
mkdir -p "$out"
scripts/build.sh >/dev/null
out=$(cd "$out" && pwd)
ORBIVALE_SHOTS_DIR=$out build/orbivale_tests --gtest_filter='DialogShots.*' >/dev/null
echo "$out"
ls "$out"/*.png
