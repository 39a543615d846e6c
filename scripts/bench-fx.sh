#!/usr/bin/env bash
# The effects benchmark beside the least a batched OpenGL 2.1 renderer needs for the same
# quads: runs `orbivale_bench fx` and ../shared/bench/glbase.c (with the scene's quad count
# and mean quad size) on one Xvfb display and prints the ratio of their OpenGL frame times.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
GLBASE_SRC=${GLBASE_SRC:-$(cd .. && pwd)/shared/bench/glbase.c}
[ -f "$GLBASE_SRC" ] || GLBASE_SRC=/work/shared/bench/glbase.c
cmake --build "$BUILD_DIR" --target orbivale_bench -j2 >/dev/null
out=$(mktemp -d)
cc -O2 "$GLBASE_SRC" -o "$out/glbase" $(pkg-config --cflags --libs sdl2) -lGL
run() {
  if [ -n "${DISPLAY:-}" ]; then bash -c "$1"; else xvfb-run -a -s "-screen 0 1024x768x24" bash -c "$1"; fi
}
run "'$BUILD_DIR/orbivale_bench' fx > '$out/fx.txt'
     quads=\$(sed -n 's/.*counting renderer: \([0-9]*\) quads.*/\1/p' '$out/fx.txt')
     size=\$(sed -n 's/.*mean quad \([0-9.]*\) px.*/\1/p' '$out/fx.txt' | cut -d. -f1)
     '$out/glbase' \"\$quads\" \"\$size\" > '$out/glbase.txt'"
cat "$out/fx.txt"
cat "$out/glbase.txt"
gl=$(sed -n 's/.*wall time \([0-9.]*\) ms.*/\1/p' "$out/fx.txt")
base=$(sed -n 's/.*median_ms=\([0-9.]*\).*/\1/p' "$out/glbase.txt")
if [ -n "$gl" ] && [ -n "$base" ]; then
  awk -v g="$gl" -v b="$base" 'BEGIN { printf "fx GL ratio: %.2f (game %.3f ms / batched baseline %.3f ms per frame; goal <= 1.2)\n", g / b, g, b }'
else
  echo "fx GL ratio: not measured (no OpenGL frame time)"
fi
rm -rf "$out"
