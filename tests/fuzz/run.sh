#!/bin/sh
# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in their own build folder, then runs each for
# SECONDS seconds, one after the other, from its seed corpus. A finding
# stops the script with the crashing input left in the build folder.
# Usage: tests/fuzz/run.sh SECONDS [TARGET...]
set -eu
SECONDS_EACH=${1:?usage: run.sh SECONDS [TARGET...]}
shift
HERE=$(cd "$(dirname "$0")" && pwd)
BUILD="${SCRIBBET_FUZZ_BUILD_DIR:-$HERE/../../build-fuzz}"
TARGETS=${*:-"code_page text_ops search_tools reshape_tools regex read_text_file"}

cmake -S "$HERE" -B "$BUILD" -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$BUILD" -j 2

for target in $TARGETS; do
  work="$BUILD/corpus/$target"
  mkdir -p "$work" "$BUILD/findings/$target"
  echo "== $target: $SECONDS_EACH s"
  # New inputs go to the build folder; the seeds in the repository stay few.
  "$BUILD/${target}_fuzz" "$work" "$HERE/corpus/$target" \
    -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -artifact_prefix="$BUILD/findings/$target/" -print_final_stats=1
done
