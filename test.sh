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
  # Always the project's own virtual display: the tests move the mouse and take the focus,
  # and expect a display with no window manager, whatever $DISPLAY the caller has.
  unset DISPLAY TENMARK_OWN_DISPLAY
  source tools/wine-env.sh
  echo "$(wine --version), prefix $WINEPREFIX, display $DISPLAY (our Xvfb)"
  if ! tenmark_windows_work; then
    echo "Wine could not make a window on $DISPLAY: starting Wine again"
    tenmark_stop_wine
    tenmark_keep_wine_alive
    tenmark_windows_work || { echo "Wine still cannot make a window on $DISPLAY" >&2; exit 1; }
  fi
  # One at a time: the programs find each other by window title across the shared
  # display, so two tests that each show a "Markwerk" window must not overlap.
  ctest --test-dir build/win --output-on-failure -j1
) || status=1
(source tools/wine-env.sh && tenmark_stop_wine) >/dev/null 2>&1 || true
exit $status
