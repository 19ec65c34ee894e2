#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest. The
# tests start their own private MariaDB server (build/testdb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
cd build
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure -j2 "$@"
