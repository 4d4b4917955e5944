#!/bin/sh
# Installs what is missing, configures, builds and runs every test; then
# builds the pure unit tests again with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs them, so that a memory error or
# undefined behaviour fails the run even where the result looked right.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="${SCRIBBET_BUILD_DIR:-$ROOT/build}"
SANITIZED="${SCRIBBET_ASAN_BUILD_DIR:-$ROOT/build-asan}"

"$ROOT/scripts/install-deps.sh"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j "$(nproc)"
(cd "$BUILD" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j "$(nproc)")

# Any report stops the test that made it: no finding passes as a warning.
SANITIZE="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S "$ROOT" -B "$SANITIZED" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCRIBBET_BUILD_BENCH=OFF \
  "-DCMAKE_CXX_FLAGS=$SANITIZE" "-DCMAKE_EXE_LINKER_FLAGS=$SANITIZE" >/dev/null
cmake --build "$SANITIZED" -j "$(nproc)" --target unit_tests
# Only unit_tests is built here: the window test programs are left out.
(cd "$SANITIZED" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure --timeout 300 -j "$(nproc)" -E '_NOT_BUILT$')
