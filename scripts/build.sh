#!/usr/bin/env bash
# Configures and builds into build/ (or $TW_BUILD_DIR) with Ninja; TW_JOBS caps the parallel jobs.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${TW_BUILD_DIR:-$here/build}"
type="${TW_BUILD_TYPE:-Release}"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null
cmake --build "$build" --parallel "${TW_JOBS:-$(nproc)}"
