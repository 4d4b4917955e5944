#!/bin/sh
# Builds the batch benchmark, generates COUNT GBK files of MB megabytes in
# all in a temporary folder, and times merging and splitting them beside
# cat, csplit and python3 on the same files in the same run. Our writes
# reach the disk before they replace anything, so each reference is also
# timed with its output synced. Everything is removed afterwards.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="${SCRIBBET_BENCH_DIR:-$ROOT/build-bench}"
MB="${1:-1000}"
COUNT="${2:-1000}"
TMP="${TMPDIR:-/tmp}"

# The inputs, our output and one reference output stand on the disk at once.
FREE_MB=$(df -Pm "$TMP" | awk 'NR == 2 { print $4 }')
if [ "$FREE_MB" -lt $((MB * 4)) ]; then
    MB=$((FREE_MB / 5))
    echo "only $FREE_MB MB free in $TMP: using $MB MB instead"
fi

WORK=$(mktemp -d "$TMP/scribbet-batch-bench-XXXXXX")
trap 'rm -rf "$WORK"' EXIT
mkdir "$WORK/in" "$WORK/out"

# One build at a time on a shared machine.
LOCK=
if command -v flock >/dev/null; then LOCK="flock /tmp/scribbet-build.lock"; fi
$LOCK sh -c "cmake -S '$ROOT' -B '$BUILD' -DCMAKE_BUILD_TYPE=Release -DSCRIBBET_BUILD_TESTS=OFF >/dev/null &&
    cmake --build '$BUILD' -j 2 --target bench_batch_tools >/dev/null"
BENCH="$BUILD/bench/bench_batch_tools"
"$BENCH" generate "$WORK/in" "$MB" "$COUNT"
BYTES=$(cat "$WORK"/in/* | wc -c)

now() { date +%s.%N; }
# The best of two runs of a shell command, each into an emptied output folder.
best() {
    best_s=
    for run in 1 2; do
        rm -rf "$WORK/out" && mkdir "$WORK/out"
        sync
        start=$(now)
        sh -c "$1"
        took=$(echo "$(now) - $start" | bc)
        if [ -z "$best_s" ] || [ "$(echo "$took < $best_s" | bc)" = 1 ]; then best_s=$took; fi
    done
    echo "$best_s"
}

IN="$WORK/in"
OUT="$WORK/out"
PY_SPLIT="import os, sys
ind, outd, sep = sys.argv[1], sys.argv[2], b'\r\n=====\r\n'
for name in sorted(os.listdir(ind)):
    data = open(os.path.join(ind, name), 'rb').read()
    base = name.split('.')[0]
    pieces = data.split(sep)
    if pieces and pieces[-1] == b'': pieces.pop()
    for k, piece in enumerate(pieces, 1):
        with open(os.path.join(outd, '%s_%d.txt' % (base, k)), 'wb') as f: f.write(piece)"
export PY_SPLIT

sync
OURS_MERGE=$("$BENCH" merge "$IN" "$OUT")
CAT=$(best "cat '$IN'/* > '$OUT/merged.txt'")
CAT_SYNC=$(best "cat '$IN'/* > '$OUT/merged.txt' && sync '$OUT/merged.txt'")
rm -rf "$OUT" && mkdir "$OUT" && sync
OURS_SPLIT=$("$BENCH" split "$IN" "$OUT")
CSPLIT=$(best "cd '$OUT' && for f in '$IN'/*; do b=\$(basename \"\$f\" .txt); csplit -s -f \"\${b}_\" \"\$f\" '/^=====/' '{*}'; done")
CSPLIT_SYNC=$(best "cd '$OUT' && for f in '$IN'/*; do b=\$(basename \"\$f\" .txt); csplit -s -f \"\${b}_\" \"\$f\" '/^=====/' '{*}'; done && sync -f '$OUT'")
PY=$(best "python3 -c \"\$PY_SPLIT\" '$IN' '$OUT'" )
PY_SYNC=$(best "python3 -c \"\$PY_SPLIT\" '$IN' '$OUT' && sync -f '$OUT'")
PIECES=$(ls "$OUT" | wc -l)

printf '%s MB in %s files, %s pieces in the split\n' "$(echo "$BYTES / 1000000" | bc)" "$COUNT" "$PIECES"
printf '%-6s %9s %9s  %-16s %9s %7s\n' tool ours_s MB/s reference ref_s ratio
row() {
    printf '%-6s %9.2f %9.0f  %-16s %9.2f %7.2f\n' "$1" "$2" "$(echo "$BYTES / 1000000 / $2" | bc -l)" \
        "$3" "$4" "$(echo "$2 / $4" | bc -l)"
}
row merge "$OURS_MERGE" "cat" "$CAT"
row merge "$OURS_MERGE" "cat + sync" "$CAT_SYNC"
row split "$OURS_SPLIT" "csplit" "$CSPLIT"
row split "$OURS_SPLIT" "csplit + sync" "$CSPLIT_SYNC"
row split "$OURS_SPLIT" "python3" "$PY"
row split "$OURS_SPLIT" "python3 + sync" "$PY_SYNC"
