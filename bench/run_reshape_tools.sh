#!/bin/sh
# Builds the reshaping benchmark (Release, its own build folder), generates a
# GBK text of short CR LF lines (100 MB unless told) and times each case,
# width, line-break, split and space tool on it, each right before a python3
# reference doing the same transformation on the same bytes, so that both
# see the same machine load. Prints both with the ratio reference time /
# our time and fails when a tool is more than twice as slow as its
# reference or gives a result of another size.
#
#   bench/run_reshape_tools.sh [MEGABYTES]
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="${SCRIBBET_BENCH_DIR:-$ROOT/build-bench}"
MB="${1:-100}"
TEXT=$(mktemp /tmp/scribbet-reshape-XXXXXX.txt)
trap 'rm -f "$TEXT"' EXIT

# One build at a time on this machine.
flock /tmp/scribbet-build.lock sh -c "
  cmake -S '$ROOT' -B '$BUILD' -DCMAKE_BUILD_TYPE=Release -DSCRIBBET_BUILD_TESTS=OFF >/dev/null &&
  cmake --build '$BUILD' -j2 --target bench_reshape_tools >/dev/null"

BENCH="$BUILD/bench/bench_reshape_tools"
"$BENCH" generate "$MB" "$TEXT"

python3 - "$BENCH" "$TEXT" <<'PY'
import re, subprocess, sys, time

bench, path = sys.argv[1], sys.argv[2]
data = open(path, 'rb').read()

# The width tables, read through the code page so that they are its forms.
full = {0x20: b'\xa1\xa1'.decode('gbk'), 0x7e: b'\xa1\xab'.decode('gbk')}
for c in range(0x21, 0x7e):
    full[c] = bytes([0xa3, c + 0x80]).decode('gbk')
half = {ord(v): k for k, v in full.items()}
half[ord(b'\xa3\xfe'.decode('gbk'))] = 0x7e
half[ord(b'\xa1\xee'.decode('gbk'))] = 0x2a
half[ord(b'\xa1\xef'.decode('gbk'))] = 0x2a
wide = data.decode('gbk').translate(full).encode('gbk')

def paragraphs(text):
    # No empty paragraph after a final line break.
    parts = text.split(b'\r\n')
    return parts[:-1] if parts and parts[-1] == b'' else parts

def count(text):
    end = len(text)
    while text.endswith(b'\r\n', 0, end):
        end -= 2
    return text[:end].replace(b'\r\n' * 3, b'\r\n' * 2)

comma = b'\xa3\xac'
references = [
    ('upper', 'bytes.upper', data, lambda t: t.upper()),
    ('lower', 'bytes.lower', data, lambda t: t.lower()),
    ('fullWidth', 'decode/translate/encode', data,
     lambda t: t.decode('gbk').translate(full).encode('gbk')),
    ('halfWidth', 'decode/translate/encode', wide,
     lambda t: t.decode('gbk').translate(half).encode('gbk')),
    ('collapse', 're.sub (\\r\\n){2,}', data, lambda t: re.sub(rb'(?:\r\n){2,}', b'\r\n', t)),
    ('count', 'rstrip + bytes.replace', data, count),
    ('merge', 'bytes.replace', data, lambda t: t.replace(b'\r\n', b'')),
    ('split', 'split/join', data, lambda t: b'\r\n'.join(t.split(comma)) + b'\r\n'),
    ('indent', 'split/lstrip/join', data,
     lambda t: b''.join([b'    ' + p.lstrip(b' ') + b'\r\n' for p in paragraphs(t)])),
    ('deleteStart', 'split/lstrip/join', data,
     lambda t: b''.join([p.lstrip(b' ') + b'\r\n' for p in paragraphs(t)])),
    ('deleteEnd', 'split/rstrip/join', data,
     lambda t: b''.join([p.rstrip(b' ') + b'\r\n' for p in paragraphs(t)])),
    ('deleteBoth', 'split/strip/join', data,
     lambda t: b''.join([p.strip(b' ') + b'\r\n' for p in paragraphs(t)])),
    ('deleteAll', 'bytes.replace x2', data,
     lambda t: t.replace(b' ', b'').replace(b'\xa1\xa1', b'')),
]

print('text: %d bytes, %d lines' % (len(data), data.count(b'\n')))
print('%-12s %10s   %-26s %10s  %6s  %s' % ('tool', 'ours MB/s', 'python3 reference', 'MB/s',
                                          'ratio', 'result'))
failed = False
for tool, name, text, f in references:
    out = subprocess.run([bench, 'run', path, tool], check=True, capture_output=True, text=True)
    seconds, size_in, size_out = out.stdout.split('\t')
    seconds, size_in, size_out = float(seconds), int(size_in), int(size_out)
    best, size = 1e9, 0
    for _ in range(3):
        start = time.perf_counter()
        size = len(f(text))
        best = min(best, time.perf_counter() - start)
    ratio = best / seconds
    same = 'same size' if size == size_out else 'SIZE %d != %d' % (size_out, size)
    ok = ratio >= 0.5 and size == size_out and size_in == len(text)
    failed |= not ok
    print('%-12s %10.1f   %-26s %10.1f  %6.2f  %s%s' % (
        tool, size_in / 1e6 / seconds, name, len(text) / 1e6 / best, ratio, same,
        '' if ok else '  <-- FAIL'))
sys.exit(1 if failed else 0)
PY
