#!/usr/bin/env bash
# Headless screenshots of the effects and the weather: a five-pearl explosion mid-burst, a
# combo text, the hammer smash, the freeze and reverse swirls (orbivale_fxshots), and level
# 1, 27, 58, 89 and 119 (Neutral fog, Water rain, Ice snow, Fire fire fog, Precious sparks)
# after 15 s of the built-in player. Writes PNGs into OUTDIR (default /tmp/fxshots).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
OUT=${1:-/tmp/fxshots}
mkdir -p "$OUT"
cmake --build "$BUILD_DIR" --target orbivale orbivale_fxshots -j2 >/dev/null
"$BUILD_DIR/orbivale_fxshots" "$OUT"
names=(x fog rain snow fire sparks)
i=1
for n in 1 27 58 89 119; do
  "$BUILD_DIR/orbivale" --headless --seed 5 --save-dir "$OUT/save" --level "$n" --autoplay --frames 900 \
    --screenshot "$OUT/weather_${names[$i]}_level_$n.png" >/dev/null
  echo "wrote $OUT/weather_${names[$i]}_level_$n.png"
  i=$((i + 1))
done
