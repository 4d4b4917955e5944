#!/bin/sh
# Builds the paragraph-tool benchmark (Release, in its own build folder),
# times each tool on a generated 100 MB GBK text of short CR LF lines and a
# perl reference doing the same transformation on the same bytes in the same
# run, checks that both give the same bytes and prints the ratios.
#
#   bench/run_paragraph_tools.sh [MEGABYTES]
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="${SCRIBBET_BENCH_DIR:-$ROOT/build-bench}"
MB="${1:-100}"
WORK=$(mktemp -d /tmp/scribbet-paragraph-bench-XXXXXX)
trap 'rm -rf "$WORK"' EXIT
mkdir "$WORK/ours" "$WORK/reference"

flock /tmp/scribbet-build.lock sh -c "
  cmake -S '$ROOT' -B '$BUILD' -DCMAKE_BUILD_TYPE=Release -DSCRIBBET_BUILD_TESTS=OFF >/dev/null &&
  cmake --build '$BUILD' -j2 --target bench_paragraph_tools >/dev/null"

"$BUILD/bench/bench_paragraph_tools" "$MB" "$WORK/text.txt" "$WORK/ours" >"$WORK/ours.txt"

# The same transformations in perl: paragraphs are split at CR LF, a final
# CR LF making no empty last paragraph, as the tools cut them.
perl - "$WORK/text.txt" "$WORK/reference" >"$WORK/reference.txt" <<'PERL'
use strict;
use warnings;
use Time::HiRes qw(time);
my ($file, $dir) = @ARGV;
open my $in, '<:raw', $file or die $!;
my $data = do { local $/; <$in> };
close $in;
my $lines = ($data =~ tr/\n//);
my $odd = join ',', map { 2 * $_ - 1 } 1 .. int(($lines + 1) / 2);

sub paragraphs {
    my @p = split /\r\n/, $data, -1;
    pop @p if @p && $p[-1] eq '';
    return \@p;
}
sub affixed {
    my ($before, $after) = @_;
    my $p = paragraphs();
    my $out = '';
    my $i = 0;
    for (@$p) { ++$i; $out .= $before->($i) . $_ . $after->($i) . "\r\n"; }
    return $out;
}
sub selected {
    my ($numbers, $keep) = @_;
    my $p = paragraphs();
    my $n = @$p;
    my @named;
    for (split /,/, $numbers, -1) { my ($v) = /^\s*([0-9]+)/; $named[$v] = 1 if defined $v; }
    my $out = '';
    for my $i (1 .. $n) {
        next if ($named[$i] ? 1 : 0) != $keep;
        $out .= $p->[$i - 1];
        $out .= "\r\n" if $i < $n;
    }
    return $out;
}
sub numbered {
    my ($left, $right, $count) = @_;
    my $out = '';
    $out .= $left . $_ . $right . "\r\n" for 1 .. $count;
    return $out;
}
my @runs = (
    [prefix_counter => sub { affixed(sub { "($_[0])" }, sub { '' }) }],
    [suffix_counter => sub { affixed(sub { '' }, sub { ' #' . ($_[0] - 1) }) }],
    [prefix_plain   => sub { affixed(sub { '> ' }, sub { '' }) }],
    [keep_odd       => sub { selected($odd, 1) }],
    [delete_few     => sub { selected('2,5,9,1000', 0) }],
    [numbered_1m    => sub { numbered("\xB5\xDA", "\xD5\xC2", 1000000) }],
    [numbered_10m   => sub { numbered('(', ')', 10000000) }],
);
for my $run (@runs) {
    my ($name, $tool) = @$run;
    my ($best, $result) = (1e9, '');
    for (1 .. 3) {
        my $start = time;
        $result = $tool->();
        my $took = time - $start;
        $best = $took if $took < $best;
    }
    printf "%s %.4f\n", $name, $best;
    open my $out, '>:raw', "$dir/$name.txt" or die $!;
    print $out $result;
    close $out;
}
PERL

head -n 1 "$WORK/ours.txt"
printf '%-16s %10s %10s %12s %10s %8s  %s\n' tool ours_s ours_MB/s reference_s ref_MB/s ratio same
grep -v '^#' "$WORK/ours.txt" | while read -r name ours bytes; do
    reference=$(awk -v n="$name" '$1 == n { print $2 }' "$WORK/reference.txt")
    if cmp -s "$WORK/ours/$name.txt" "$WORK/reference/$name.txt"; then same=yes; else same=NO; fi
    awk -v n="$name" -v o="$ours" -v r="$reference" -v b="$bytes" -v s="$same" 'BEGIN {
        mb = b / 1e6
        printf "%-16s %10.3f %10s %12.3f %10s %8.2f  %s\n", n, o,
            (mb > 0 ? sprintf("%.1f", mb / o) : "-"), r,
            (mb > 0 ? sprintf("%.1f", mb / r) : "-"), o / r, s }'
done
echo "ratio = our time / perl's time: 2 or less is within twice the reference"
