#!/usr/bin/env bash
# The OpenGL renderer against the floor: under a virtual X server, the game's `--bench gl-level N`
# and the floor renderer glbase (built from ../shared/bench/glbase.c into the build tree) run in
# alternation with the same quad count and covered area; prints each run's ratio and the median
# ratio with its spread per scene, then compares software and OpenGL screenshots.
#   RUNS=5 FRAMES=600 LEVELS="1 60 119" SCENES="fx" scripts/bench-gl.sh
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
RUNS=${RUNS:-5}
FRAMES=${FRAMES:-600}
LEVELS=${LEVELS:-"1 60 119"}
SCENES=${SCENES:-}
GAME=${GAME:-$BUILD_DIR/orbivale}

if [[ "${1:-}" != "--inner" ]]; then
  src=${GLBASE_SRC:-}
  for c in ../shared/bench/glbase.c ../../shared/bench/glbase.c; do
    [[ -z "$src" && -f "$c" ]] && src=$c
  done
  [[ -n "$src" ]] || { echo "glbase.c not found (set GLBASE_SRC)" >&2; exit 1; }
  # shellcheck disable=SC2046
  cc -O2 "$src" -o "$BUILD_DIR/glbase" $(pkg-config --cflags --libs sdl2) -lGL
  echo "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inner
fi

# One scene: alternating game and floor runs; prints the per-run figures and the summary.
run_scene() {
  local name=$1; shift
  local ratios=() game_ms=() floor_ms=() calls="" uploads="" quads="" size=""
  for ((r = 1; r <= RUNS; r++)); do
    local out
    out=$("$GAME" --bench "$@" 2>/dev/null)
    local g q s
    g=$(sed -n 's/.* median \([0-9.]*\) ms.*/\1/p' <<<"$out" | head -1)
    q=$(sed -n 's/.*floor quads=\([0-9]*\) size=\([0-9]*\).*/\1/p' <<<"$out" | head -1)
    s=$(sed -n 's/.*floor quads=\([0-9]*\) size=\([0-9]*\).*/\2/p' <<<"$out" | head -1)
    calls=$(sed -n 's/.*CPU [0-9.]* ms, \([0-9]*\) draw calls.*/\1/p' <<<"$out" | head -1)
    uploads=$(sed -n 's/.*uploads during play \([0-9]*\) (\([0-9.]* MB\)), mip-map builds \([0-9]*\).*/\1 (\2), mips \3/p' <<<"$out" | head -1)
    [[ -n "$g" && -n "$q" ]] || { echo "$name: no figures from the game:"; echo "$out"; return; }
    local f
    f=$("$BUILD_DIR/glbase" "$q" "$s" | sed -n 's/.*median_ms=\([0-9.]*\).*/\1/p')
    local ratio
    ratio=$(awk -v a="$g" -v b="$f" 'BEGIN { printf "%.3f", a / b }')
    echo "$name run $r: game $g ms, floor $f ms ($q quads of ${s}px), ratio $ratio"
    ratios+=("$ratio"); game_ms+=("$g"); floor_ms+=("$f"); quads=$q; size=$s
  done
  local med lo hi gmed fmed
  read -r med lo hi < <(printf '%s\n' "${ratios[@]}" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)], v[1], v[NR] }')
  gmed=$(printf '%s\n' "${game_ms[@]}" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
  fmed=$(printf '%s\n' "${floor_ms[@]}" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
  SUMMARY+=("$(printf '| %-10s | %7s | %7s | %6s | %5s-%-5s | %5s | %s |' "$name" "$gmed" "$fmed" "$med" "$lo" "$hi" "$calls" "$uploads")")
}

SUMMARY=()
"$GAME" --bench gl-level 1 10 2>/dev/null | head -1 || true
for level in $LEVELS; do run_scene "level $level" gl-level "$level" "$FRAMES"; done
for scene in $SCENES; do run_scene "$scene" "gl-$scene" 0 "$FRAMES"; done
echo
echo "| scene      | game ms | floor ms | ratio | spread      | calls | uploads during play |"
echo "|------------|---------|----------|-------|-------------|-------|---------------------|"
printf '%s\n' "${SUMMARY[@]}"
echo
"$GAME" --bench gl-compare 2>/dev/null || true
