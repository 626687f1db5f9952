#!/usr/bin/env bash
# Configures and builds one build tree: build.sh DIR [-DOPTION=VALUE...] [--target NAME...]
# Without options it is the main tree: the whole program, its tests and benchmarks.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
DIR="$1"
shift
configure=()
targets=()
while (($# > 0)); do
  case "$1" in
    --target) targets+=(--target "$2"); shift 2 ;;
    *) configure+=("$1"); shift ;;
  esac
done
if ((${#configure[@]} == 0)); then
  configure=(-DTW_CORE_ONLY=OFF -DTW_SANITIZE=OFF -DTW_FUZZ=OFF -DTW_BENCH=ON)
fi

# A tree configured by hand with another generator cannot be reused by Ninja.
if [[ -f "$DIR/CMakeCache.txt" ]] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$DIR/CMakeCache.txt"; then
  echo "$DIR was configured with another generator; configuring it afresh."
  rm -rf "$DIR/CMakeCache.txt" "$DIR/CMakeFiles"
fi

# ccache caches sources built with a precompiled header only when told it may.
export CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:-pch_defines,time_macros}"
cmake -S "$ROOT" -B "$DIR" -G Ninja "${configure[@]}"
cmake --build "$DIR" -j2 "${targets[@]}"
