#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60) on its
# kept corpus in fuzz/corpus/<target>/; new interesting inputs are added to that corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
CC=clang CXX=clang++ cmake -S fuzz -B build/fuzz -G Ninja >/dev/null
cmake --build build/fuzz -j "$(nproc)"
for target in build/fuzz/*_fuzz; do
  name=$(basename "$target")
  corpus="fuzz/corpus/${name%_fuzz}"
  mkdir -p "$corpus" build/fuzz/artifacts
  echo "== $name for ${seconds}s =="
  "$target" -max_total_time="$seconds" -max_len=65536 -artifact_prefix=build/fuzz/artifacts/ "$corpus" 2>&1 |
    grep -E '^(#[0-9]+ +DONE|Done|==[0-9]+==ERROR|SUMMARY|stat::number_of_executed_units)' || true
done
