#!/usr/bin/env bash
# Runs one Windows test program under Wine with two loopback tile servers of its own; their
# ports are handed over in TENMARK_TILE_SERVER_A and TENMARK_TILE_SERVER_B.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
python3 "$here/tile_server.py" "$work/a.port" &
server_a=$!
python3 "$here/tile_server.py" "$work/b.port" &
server_b=$!
trap 'kill "$server_a" "$server_b" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 1 100); do
  [ -s "$work/a.port" ] && [ -s "$work/b.port" ] && break
  sleep 0.1
done
TENMARK_TILE_SERVER_A=$(cat "$work/a.port")
TENMARK_TILE_SERVER_B=$(cat "$work/b.port")
export TENMARK_TILE_SERVER_A TENMARK_TILE_SERVER_B
"$here/../../../cmake/wine-run.sh" "$@"
