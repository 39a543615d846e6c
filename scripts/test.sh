#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite: the normal build, then the ASan+UBSan build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
(cd build && ctest --output-on-failure -j"$(nproc)")
BUILD_DIR=build-asan scripts/build.sh -DORBIVALE_SANITIZE=ON
(cd build-asan && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j"$(nproc)")
