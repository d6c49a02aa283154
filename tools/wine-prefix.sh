#!/usr/bin/env bash
# Creates the Wine prefix the programs and tests run in. Call through tools/wine-env.sh.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${WINEPREFIX:?}"

rm -rf "$WINEPREFIX"
# Japanese locale while the prefix is made, or its fonts and code pages come out wrong.
LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8 wine wineboot -i </dev/null >/dev/null 2>&1
wineserver -w
LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8 wine regedit /S "$(winepath -w "$here/wine-prefix.reg")" </dev/null >/dev/null 2>&1
wineserver -w
touch "$WINEPREFIX/.tenmark-ready"
