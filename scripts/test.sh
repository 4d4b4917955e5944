#!/bin/sh
# Installs what is missing, configures, builds and runs every test.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="${SCRIBBET_BUILD_DIR:-$ROOT/build}"

"$ROOT/scripts/install-deps.sh"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j "$(nproc)"
cd "$BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
