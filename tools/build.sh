#!/usr/bin/env bash
# Configures (once) and builds the native tree and the Windows tree.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)
if [ ! -f build/native/build.ninja ]; then
  cmake -S . -B build/native -G Ninja -DTENMARK_SANITIZE=ON
fi
cmake --build build/native -j "$jobs"

if [ ! -f build/win/build.ninja ]; then
  cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
fi
cmake --build build/win -j "$jobs"
