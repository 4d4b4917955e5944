#!/bin/sh
# Builds the edit area benchmark in Release and runs it on a generated GBK
# text (100 MB unless a size in MB is given): opening it against QScintilla
# alone, and reading it back. It runs under a virtual X server (xvfb-run), as
# the program does on a desktop; QT_QPA_PLATFORM=offscreen is the fallback
# where xvfb-run is missing. Builds wait for the shared build lock.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="${SCRIBBET_BENCH_DIR:-$ROOT/build-bench}"
MB="${1:-100}"

flock /tmp/scribbet-build.lock sh -c "
  cmake -S '$ROOT' -B '$BUILD' -DCMAKE_BUILD_TYPE=Release -DSCRIBBET_BUILD_TESTS=OFF >/dev/null &&
  cmake --build '$BUILD' -j2 --target bench_edit_area >/dev/null"

if command -v xvfb-run >/dev/null 2>&1; then
  echo "display: xvfb-run"
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$BUILD/bench/bench_edit_area" "$MB"
else
  echo "display: QT_QPA_PLATFORM=offscreen"
  QT_QPA_PLATFORM=offscreen exec "$BUILD/bench/bench_edit_area" "$MB"
fi
