#!/usr/bin/env bash
# Times MapView's drawing and tile paths under Wine (see bench/mapview_bench.cpp), with a
# loopback tile server for the warm-start figure. Needs the Windows tree built:
#   cmake --build build/win --target mapview_bench && bench/run_mapview_bench.sh [runs]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tools/wine-env.sh"
tenmark_ensure_display
tenmark_ensure_prefix
export TENMARK_MAPVIEW_LOOPBACK_ONLY=1
cd "$root/build/win/bin"
exec "$root/tests/win/tile_server/with_tile_servers.sh" ./mapview_bench.exe "${1:-5}"
