#!/bin/sh
# Builds the benchmarks and prints the throughput of the text primitives,
# the loading rule and the code page on a generated 100 MB GBK text, each
# beside its reference (C++ loops, memcpy, python3) timed in the same run.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="${SCRIBBET_BENCH_DIR:-$ROOT/build-bench}"
MB="${1:-100}"
TEXT=$(mktemp /tmp/scribbet-bench-XXXXXX.txt)
trap 'rm -f "$TEXT"' EXIT

cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DSCRIBBET_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" -j "$(nproc)" --target bench_core bench_code_page >/dev/null

"$BUILD/bench/bench_core" "$MB" "$TEXT"
"$BUILD/bench/bench_code_page" "$MB"
python3 - "$TEXT" <<'PY'
import sys, time
data = open(sys.argv[1], 'rb').read()
def best(f):
    t = 1e9
    for _ in range(3):
        s = time.perf_counter(); f(); t = min(t, time.perf_counter() - s)
    return t
mb = len(data) / 1e6
sought, repl = '中文'.encode('gbk'), '汉语'.encode('gbk')
for name, f in [('count', lambda: data.count(sought)),
                ('replace', lambda: data.replace(sought, repl)),
                ('split', lambda: data.split(b'\r\n'))]:
    print('python3 bytes.%-8s %8.1f MB/s' % (name, mb / best(f)))
PY
