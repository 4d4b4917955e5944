#!/bin/sh
# Installs what is missing, builds the editor and starts it.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="${SCRIBBET_BUILD_DIR:-$ROOT/build}"

"$ROOT/scripts/install-deps.sh"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j "$(nproc)" --target scribbet

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run: no display to show the editor on (DISPLAY and WAYLAND_DISPLAY are not set)." >&2
  echo "run: start it from a desktop session, or under a virtual one: xvfb-run -a $0" >&2
  exit 1
fi
exec "$BUILD/src/app/scribbet" "$@"
