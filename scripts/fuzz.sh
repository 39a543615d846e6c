#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan+UBSan) into build-fuzz/ and runs each for SECONDS
# (default 60). Seeds: fuzz/seeds/<target>/ plus small files gathered from the generated
# content; the growing corpus stays in build-fuzz/corpus/<target>/. A crashing input is kept
# under fuzz/crashes/ and makes the script fail. Prints one table line per target.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH=${1:-60}
BUILD=${FUZZ_BUILD_DIR:-build-fuzz}
launcher=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(cd .. && pwd)} CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
CC=clang CXX=clang++ cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBIVALE_FUZZ=ON \
  -DORBIVALE_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build "$BUILD" --target fuzz_all -j"$(nproc)" >/dev/null

content=$BUILD/content_out
gather() { # gather TARGET FIND-ARGS...: up to 20 of the smallest matching content files
  local dir=$BUILD/seeds/$1; shift
  mkdir -p "$dir"
  find "$content" -type f "$@" -size -64k -printf '%s %p\n' 2>/dev/null | sort -n | head -n 20 |
    while read -r _ f; do cp "$f" "$dir/$(echo "$f" | md5sum | cut -c1-12)"; done
}
gather path_file -name 'path_*.txt'
gather level_file -name 'level_*.txt'
gather image_png -name '*.png'
gather image_jpg -name '*.jpg'
gather sound_ogg -name '*.ogg'
gather sound_wav -name '*.wav'
cp tests/fixtures/paths/*.txt "$BUILD/seeds/path_file/" 2>/dev/null || true
cp tests/fixtures/levels/*.txt "$BUILD/seeds/level_file/" 2>/dev/null || true
cp tests/fixtures/*.ogg "$BUILD/seeds/sound_ogg/" 2>/dev/null || true

mkdir -p fuzz/crashes
status=0
printf '%-12s %12s %8s %8s\n' target executions corpus crashes
for bin in "$BUILD"/fuzz_*; do
  t=${bin##*/fuzz_}
  corpus=$BUILD/corpus/$t
  mkdir -p "$corpus"
  seeds=("$corpus")
  [ -d "fuzz/seeds/$t" ] && seeds+=("fuzz/seeds/$t")
  [ -d "$BUILD/seeds/$t" ] && seeds+=("$BUILD/seeds/$t")
  dict=()
  [ -f "fuzz/dict/$t.dict" ] && dict=(-dict="fuzz/dict/$t.dict")
  log=$BUILD/fuzz_$t.log
  before=$(ls fuzz/crashes | grep -c "^$t-" || true)
  set +e
  FUZZ_LOG= ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1 "$bin" "${dict[@]}" \
    -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="fuzz/crashes/$t-" "${seeds[@]}" >"$log" 2>&1
  rc=$?
  set -e
  execs=$(grep -ao 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
  after=$(ls fuzz/crashes | grep -c "^$t-" || true)
  crashes=$((after - before))
  if [ "$rc" -ne 0 ] && [ "$crashes" -eq 0 ]; then crashes=1; fi
  printf '%-12s %12s %8s %8s\n' "$t" "${execs:-?}" "$(ls "$corpus" | wc -l)" "$crashes"
  if [ "$crashes" -ne 0 ]; then status=1; tail -n 30 "$log" >&2; fi
done
exit $status
