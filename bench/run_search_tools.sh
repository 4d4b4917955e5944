#!/bin/sh
# Builds the search-tools benchmark in Release and prints, for a generated
# GBK text of short CR LF lines (100 MB unless given), the time of each tool
# beside perl or python3 doing the same transformation on the same bytes,
# in the same run, with the ratio of the two times (ours / reference).
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="${SCRIBBET_BENCH_DIR:-$ROOT/build-bench}"
MB="${1:-100}"
WORK=$(mktemp -d /tmp/scribbet-search-bench-XXXXXX)
trap 'rm -rf "$WORK"' EXIT

# One build at a time on this machine.
flock /tmp/scribbet-build.lock sh -c "
  cmake -S '$ROOT' -B '$BUILD' -DCMAKE_BUILD_TYPE=Release -DSCRIBBET_BUILD_TESTS=OFF >/dev/null &&
  cmake --build '$BUILD' -j2 --target bench_search_tools >/dev/null"

"$BUILD/bench/bench_search_tools" "$MB" "$WORK/text.txt" >"$WORK/ours.tsv"

perl -MTime::HiRes=time -e '
  open my $f, "<:raw", $ARGV[0] or die; local $/; my $d = <$f>;
  my ($best, $c) = (1e9, "");
  for (1 .. 3) { $c = $d; my $t = time; $c =~ s/\d+/#/g; my $e = time - $t; $best = $e if $e < $best }
  printf "RegexReplace\ts/\\d+/#/g (perl)\t%.6f\t%d\n", $best, length $c;
' "$WORK/text.txt" >"$WORK/reference.tsv"

python3 - "$WORK/text.txt" "$WORK/ours.tsv" "$WORK/reference.tsv" <<'PY'
import re, sys, time

data = open(sys.argv[1], 'rb').read()
HOUR, MINUTE, SECOND = '时'.encode('gbk'), '分'.encode('gbk'), '秒'.encode('gbk')

def best(work):
    took, out = 1e9, b''
    for _ in range(3):
        start = time.perf_counter()
        out = work()
        took = min(took, time.perf_counter() - start)
    return took, len(out)

def seconds(m):
    return b'%d' % (int(m[1]) * 3600 + int(m[2]) * 60 + int(m[3])) + SECOND

def quotient(a, b):  # toward zero, as the editor divides
    return abs(a) // b * (1 if a >= 0 else -1)

def duration(m):
    d = int(m[1]) % 2**32
    if d >= 2**31: d -= 2**32
    rest = d - 3600 * quotient(d, 3600)
    minutes = quotient(rest, 60)
    return b'%d%s%d%s%d%s' % (quotient(d, 3600), HOUR, minutes, MINUTE, rest - 60 * minutes, SECOND)

middle = len(data) // 3
durations = re.compile(rb'(?<![0-9])([0-9]{1,2})' + HOUR + rb'([0-9]{1,2})' + MINUTE +
                       rb'([0-9]{1,2})' + SECOND)
numbers = re.compile(rb'([0-9]+)' + SECOND)
ignore_case = re.compile(rb'scribbet', re.IGNORECASE)
digits = re.compile(rb'(\d+)')
references = {
    'BasicReplace': ('bytes.replace', lambda: data.replace('中文'.encode('gbk'), '汉语'.encode('gbk'))),
    'BasicReplaceIgnoreCase': ('re.sub (?i)', lambda: ignore_case.sub(b'X', data)),
    'SeparatorReplace': ('bytes.replace CR LF', lambda: data.replace(b'\r\n', b'')),
    'TabReplace': ('bytes.replace TAB', lambda: data.replace(b'\t', b' ')),
    'RegexReplace/python': ('re.sub \\d+', lambda: digits.sub(b'#', data)),
    'RegexExtract': ('re.findall + join', lambda: b''.join(m + b'\r\n' for m in digits.findall(data))),
    'DeleteRange': ('slices + concat', lambda: data[:middle - 1] + data[2 * middle - 1:]),
    'ExtractRange': ('slice', lambda: data[middle - 1:2 * middle - 1]),
    'DurationsToSeconds': ('re.sub with a function', lambda: durations.sub(seconds, data)),
    'SecondsToDurations': ('re.sub with a function', lambda: numbers.sub(duration, data)),
}
measured = {}
for line in open(sys.argv[3]):
    name, what, took, size = line.rstrip('\n').split('\t')
    measured[name] = (what, float(took), int(size))
for name, (what, work) in references.items():
    took, size = best(work)
    measured[name] = (what + ' (python3)', took, size)

ours = {}
for line in open(sys.argv[2]):
    if line.startswith('#'):
        print(line[1:].strip().replace('\t', ', '))
        continue
    name, took, size = line.rstrip('\n').split('\t')
    ours[name] = (float(took), int(size))

mb = len(data) / 1e6
print('%-24s %10s %8s   %-34s %10s %8s   %8s  %s' %
      ('tool', 'ours MB/s', 'ours s', 'reference', 'ref MB/s', 'ref s', 'ours/ref', 'same size'))
failed = False
# Each tool against its reference; the regex replace also against python3.
for name, reference in [(n, n) for n in ours] + [('RegexReplace', 'RegexReplace/python')]:
    took, size = ours[name]
    what, ref, ref_size = measured[reference]
    ratio = took / ref
    if reference == name:
        failed |= ratio > 2 or size != ref_size
    print('%-24s %10.1f %8.3f   %-34s %10.1f %8.3f   %8.2f  %s' %
          (name, mb / took, took, what, mb / ref, ref, ratio, 'yes' if size == ref_size else 'NO'))
print('every tool within 2x of its reference' if not failed else 'SOME TOOL IS OFF ITS REFERENCE')
PY
