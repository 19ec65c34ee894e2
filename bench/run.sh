#!/usr/bin/env bash
# Builds and runs the benchmarks against a private server of their own.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
port=33063
scripts/dbserver.sh start build/benchdb "$port"
trap 'scripts/dbserver.sh stop build/benchdb' EXIT
export QT_QPA_PLATFORM=offscreen DAGANG_TEST_HOST=127.0.0.1 DAGANG_TEST_PORT=$port
build/bin/bench_numbertext
build/bin/bench_database
