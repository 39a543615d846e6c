#!/usr/bin/env bash
# Headless screenshots of every power-up in action on a real level (precision beam, freeze,
# roll-back, flame orb, fireball, area bomb, chain, double score, hammer smash, coin hit),
# written as PNG files into the folder given (default /tmp/orbivale_powerups).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-/tmp/orbivale_powerups}
mkdir -p "$out"
scripts/build.sh >/dev/null
ORBIVALE_SHOTS_DIR=$(cd "$out" && pwd) build/orbivale_tests --gtest_filter='PowerUpScenes.*' >/dev/null
ls "$out"/*.png
