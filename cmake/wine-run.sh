#!/usr/bin/env bash
# Test emulator for the Windows tree: runs one program under the project's Wine prefix.
# The program's output goes through a file: Wine's background processes (services, the
# desktop) inherit the handles of whichever program starts them and keep them open while
# the server lives, which would keep ctest waiting on its pipe long after the test ended.
source "$(cd "$(dirname "$0")/.." && pwd)/tools/wine-env.sh"
# MapView under test asks nothing of any host but this one (its tests serve tiles locally).
export TENMARK_MAPVIEW_LOOPBACK_ONLY=1
out=$(mktemp "${TMPDIR:-/tmp}/tenmark-test.XXXXXX")
status=0
wine "$@" </dev/null >"$out" 2>&1 || status=$?
cat "$out"
# A crash must fail the test even when Wine's debugger leaves a zero exit status behind.
if [ "$status" -eq 0 ] && grep -q "^wine: Unhandled\|^Unhandled exception" "$out"; then
  echo "wine-run: the program crashed" >&2
  status=1
fi
rm -f "$out"
exit "$status"
