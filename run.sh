#!/usr/bin/env bash
# Sets up what is missing, builds, and shows a QPF file (default: the bundled sample).
set -euo pipefail
cd "$(dirname "$0")"
file="${1:-examples/sample.qpf}"

tools/install-deps.sh
tools/build.sh
build/native/bin/qpf dump "$file"
