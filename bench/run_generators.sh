#!/bin/sh
# Builds the generator benchmark in Release and runs it: a million account
# lines and a million template copies, each built by the pure function and
# written into an edit area (offscreen), beside a python3 reference of the
# same algorithm that must give the same bytes. The python accounts run on
# 100000 lines (a pure-python random draw is slow); ours is timed there too.
# Builds wait for the shared build lock.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="${SCRIBBET_BENCH_DIR:-$ROOT/build-bench}"
COUNT="${1:-1000000}"
SMALL="${2:-100000}"
BIG_DIR=$(mktemp -d /tmp/scribbet-gen-XXXXXX)
SMALL_DIR=$(mktemp -d /tmp/scribbet-gen-XXXXXX)
trap 'rm -rf "$BIG_DIR" "$SMALL_DIR"' EXIT

flock /tmp/scribbet-build.lock sh -c "
  cmake -S '$ROOT' -B '$BUILD' -DCMAKE_BUILD_TYPE=Release -DSCRIBBET_BUILD_TESTS=OFF >/dev/null &&
  cmake --build '$BUILD' -j2 --target bench_generators >/dev/null"

export QT_QPA_PLATFORM=offscreen
status=0
"$BUILD/bench/bench_generators" "$COUNT" "$BIG_DIR" >"$BIG_DIR/ours.txt" || status=$?
cat "$BIG_DIR/ours.txt"
"$BUILD/bench/bench_generators" "$SMALL" "$SMALL_DIR" >"$SMALL_DIR/ours.txt" || true
python3 - "$COUNT" "$BIG_DIR" "$SMALL" "$SMALL_DIR" <<'PY' || status=1
import re, sys, time
count, big, small, small_dir = int(sys.argv[1]), sys.argv[2], int(sys.argv[3]), sys.argv[4]
MS = 123456

class Source:
    def __init__(self):
        self.state, self.counter = 1, 0
    def reseed(self):
        seed = (MS + self.counter) & 0xFFFFFFFF
        self.counter = (self.counter + (seed & 255) + 100) & 0xFFFFFFFF
        self.state = seed
    def next(self, lo, hi):
        lo, hi = max(lo, 0), max(hi, 0)
        if lo > hi: lo, hi = hi, lo
        if lo == hi: return lo
        span = min(hi - lo, 2147483646)
        self.state = (self.state * 214013 + 2531011) & 0xFFFFFFFF
        return lo + ((self.state >> 16) & 32767) % (span + 1)
    def string(self, n, kind):
        self.reseed()
        out = []
        for _ in range(n):
            if kind == 'letters':
                c, u, l = self.next(1, 2), self.next(65, 90), self.next(97, 122)
                out.append(chr(u if c == 1 else l))
            else:
                c, u, l, d = self.next(1, 3), self.next(65, 90), self.next(97, 122), self.next(48, 57)
                out.append(chr(u if c == 1 else l if c == 2 else d))
        return ''.join(out)

def accounts(n):
    s = Source()
    s.reseed()
    names = []
    for _ in range(n):
        letter = s.string(1, 'letters')
        length = s.next(6, 12)
        names.append(letter + s.string(length - 1, 'mixed'))
    lines = [a + '————' + s.string(10, 'mixed') + '\r\n' for a in names]
    return ''.join(lines).encode('gbk')

def template(n):
    t = '显示图片 (图片框{@%0}.图片，{@%1})\r\n'
    return ''.join(t.replace('{@%0}', str(i).rjust(7, '0')).replace('{@%1}', str(i + 4))
                   for i in range(1, n + 1)).encode('gbk')

def timed(f, *args):
    start = time.perf_counter(); result = f(*args); return result, time.perf_counter() - start

def ours(path, tool):
    for line in open(path):
        if line.startswith(tool + ':'):
            return float(re.search(r'build\s+([\d.]+) s', line).group(1))

ok = True
text, t = timed(template, count)
same = text == open(big + '/template.txt', 'rb').read()
ok &= same
rows = [('template, %d copies' % count, ours(big + '/ours.txt', 'template'), t, same)]
text, t = timed(accounts, small)
same = text == open(small_dir + '/accounts.txt', 'rb').read()
ok &= same
rows.append(('accounts, %d lines' % small, ours(small_dir + '/ours.txt', 'accounts'), t, same))
print()
print('%-28s %9s %11s %7s  %s' % ('tool', 'ours s', 'python3 s', 'ratio', 'same bytes'))
for name, mine, theirs, same in rows:
    print('%-28s %9.3f %11.3f %7.1f  %s' % (name, mine, theirs, theirs / mine, same))
sys.exit(0 if ok else 1)
PY
exit $status
