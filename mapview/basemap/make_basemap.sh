#!/usr/bin/env bash
# Makes japan_basemap.bin, MapView's offline base map, from the GSHHG shorelines (LGPL,
# Wessel & Smith 1996) through GMT. Needs Debian's gmt and gmt-gshhg-high; run it only when
# the data or the region change: the build uses the committed result and needs neither.
#   sudo apt-get install gmt gmt-gshhg-high
#   mapview/basemap/make_basemap.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
region=(122 154 20 46) # west east south north: Japan with its neighbours' coasts
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
r="-R${region[0]}/${region[1]}/${region[2]}/${region[3]}"
# -Di (intermediate) draws the wide views, -Dh (high) the close ones; -W all levels
# (1 land, 2 lakes, 3 islands in lakes, 4 ponds on those).
gmt coast "$r" -Di -W -M >"$work/coarse.txt"
gmt coast "$r" -Dh -W -M >"$work/fine.txt"
python3 "$here/make_basemap.py" "${region[@]}" "$work/coarse.txt" "$work/fine.txt" >"$here/japan_basemap.bin"
ls -l "$here/japan_basemap.bin"
