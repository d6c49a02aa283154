#!/usr/bin/env bash
# Sets up what is missing, builds both trees and runs every test (native, then under Wine).
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh
tools/build.sh

status=0
echo "== native tests =="
ctest --test-dir build/native --output-on-failure -j2 || status=1
echo "== Windows tests under Wine =="
(
  source tools/wine-env.sh
  # One at a time: the programs find each other by window title across the shared
  # display, so two tests that each show a "Markwerk" window must not overlap.
  ctest --test-dir build/win --output-on-failure -j1
) || status=1
(source tools/wine-env.sh && tenmark_stop_wine) >/dev/null 2>&1 || true
exit $status
