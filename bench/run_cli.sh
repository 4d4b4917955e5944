#!/bin/sh
# Builds scribbet-tool and its benchmark in Release and prints, for a
# generated GBK document (100 MB unless given), the time of scribbet-tool
# doing a job as a whole process beside perl or python3 doing the same job,
# with the ratio of the two times (ours / reference) and whether the bytes
# are the same.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="${SCRIBBET_BENCH_DIR:-$ROOT/build-bench}"
MB="${1:-100}"
WORK=$(mktemp -d /tmp/scribbet-cli-bench-XXXXXX)
trap 'rm -rf "$WORK"' EXIT

# One build at a time on this machine.
flock /tmp/scribbet-build.lock sh -c "
  cmake -S '$ROOT' -B '$BUILD' -DCMAKE_BUILD_TYPE=Release -DSCRIBBET_BUILD_TESTS=OFF >/dev/null &&
  cmake --build '$BUILD' -j2 --target scribbet-tool bench_cli >/dev/null"

"$BUILD/bench/bench_cli" "$BUILD/src/cli/scribbet-tool" "$MB" "$WORK"
