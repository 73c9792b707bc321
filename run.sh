#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts Tarnwick.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/deps.sh"
TW_BUILD_TYPE=Release "$here/scripts/build.sh"
exec "${TW_BUILD_DIR:-$here/build}/bin/tarnwick" "$@"
