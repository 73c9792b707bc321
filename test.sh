#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/deps.sh" --with-tests
TW_BUILD_TYPE=RelWithDebInfo "$here/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "${TW_BUILD_DIR:-$here/build}"
ctest --output-on-failure --parallel "$(nproc)" --timeout 600 "$@"
