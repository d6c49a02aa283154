#!/usr/bin/env bash
# Test emulator for the Windows tree: runs one program under the project's Wine prefix.
source "$(cd "$(dirname "$0")/.." && pwd)/tools/wine-env.sh"
exec wine "$@"
