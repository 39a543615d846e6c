#!/usr/bin/env bash
# Spectrograms of the first 30 s of the four music tracks, for comparing them by eye: one
# picture per track and one with all four stacked (Ti01 at the top). The tracks are made by
# the sound listening tool and decoded as the game decodes them. Needs sox.
# Usage: scripts/spectrograms.sh [OUT_DIR]   (default build/spectrograms)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
OUT=${1:-$BUILD_DIR/spectrograms}
command -v sox >/dev/null || { echo "spectrograms: sox is not installed (scripts/setup.sh)" >&2; exit 1; }
[ -f "$BUILD_DIR/CMakeCache.txt" ] || scripts/build.sh >/dev/null
cmake --build "$BUILD_DIR" --target orbivale_soundwav -j"$(nproc)" >/dev/null
mkdir -p "$OUT/wav"
"$BUILD_DIR/orbivale_soundwav" "$OUT/wav" >/dev/null
mono=()
for t in Ti01 Ti02 Ti03 Ti04; do
  sox "$OUT/wav/$t.wav" "$OUT/$t-30s.wav" trim 0 30 remix -
  sox "$OUT/$t-30s.wav" -n spectrogram -x 1200 -y 385 -z 90 -t "$t.ogg, first 30 s" -o "$OUT/$t.png"
  mono+=("$OUT/$t-30s.wav")
done
sox -M "${mono[@]}" -n spectrogram -x 1200 -Y 1400 -z 90 -t "Ti01 / Ti02 / Ti03 / Ti04 (top to bottom), first 30 s" \
  -o "$OUT/music_tracks.png"
rm -f "${mono[@]}"
echo "spectrograms: $OUT/music_tracks.png and $OUT/Ti01.png .. Ti04.png"
