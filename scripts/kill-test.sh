#!/usr/bin/env bash
# Crash safety of the saved match: a child process saving in a loop is killed with SIGKILL at
# 200 random moments; after each kill the files must load as a complete save. Builds first
# and prints the figures.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
ORBIVALE_KILL_TEST=1 build/orbivale_tests --gtest_filter='MatchFileKill.*' | grep -E "kill test|OK|FAILED|Failure"
