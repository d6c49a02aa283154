#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the editor under Wine on a QPF file
# (default: the bundled sample). Without a display it draws the editor on a virtual one,
# saves a screenshot to build/screenshot.png and says where it is.
set -euo pipefail
cd "$(dirname "$0")"
file="${1:-examples/sample.qpf}"

tools/install-deps.sh
tools/build.sh
exec tools/run-editor.sh "$file"
