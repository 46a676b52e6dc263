#!/usr/bin/env bash
# Reading speed of a large version-6 brush file: times a plain `kelbrin-cli list` (whole
# process, warm cache) of a synthetic 64 MiB file beside `cat FILE > /dev/null`.
#   bench/list_v6_64mb.sh [RUNS]
# The file holds a few hundred 8-bit samples of 480 x 460, every other one run-length
# compressed, and a descriptor naming them all. Goal: 64 MiB listed in 0.10 s or less (median
# of the runs), about 640 MB/s; the ratio to cat says how close to reading the bytes at all.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
build_dir=${BUILD_DIR:-build}/release

scripts/configure.sh release
cmake --build "$build_dir" --target kelbrin-cli >/dev/null
cli=$build_dir/src/kelbrin-cli

file=$build_dir/bench-v6-64mb.abr
if [[ ! -f "$file" ]]; then
  perl - "$file" <<'PERL'
use strict;
my ($path) = @ARGV;
my ($w, $h) = (480, 460);
my $target = 64 * 1024 * 1024;

# One raw row, and one row as run-length frames: three 128-byte literals and a 96-byte run.
my $raw_row = join('', map { chr(($_ * 7) & 255) } 0 .. $w - 1);
my $literal = join('', map { chr(($_ * 13 + 1) & 255) } 0 .. 127);
my $rle_row = (chr(127) . $literal) x 3 . pack('c', -95) . chr(200);

sub unicode { my ($s) = @_; pack('N', length($s) + 1) . join('', map { pack('n', ord) } split //, $s) . pack('n', 0) }
sub key { my ($k) = @_; pack('N', length($k) == 4 ? 0 : length($k)) . $k }

my $samp = '';
my @ids;
for (my $i = 0; length($samp) < $target - 4096; ++$i) {
    my $id = sprintf('%036d', $i);
    push @ids, $id;
    my $rle = $i % 2;
    my $rec = chr(length $id) . $id . ("\0" x 264) . pack('NNNNnC', 0, 0, $h, $w, 8, $rle);
    $rec .= $rle ? pack('n', length $rle_row) x $h . $rle_row x $h : $raw_row x $h;
    $samp .= pack('N', length $rec) . $rec;
    $samp .= "\0" x ((4 - length($samp) % 4) % 4);
}

my $presets = '';
for my $i (0 .. $#ids) {
    my $tip = 'Objc' . unicode('') . key('sampledBrush') . pack('N', 1)
            . key('sampledData') . 'TEXT' . unicode($ids[$i]);
    $presets .= 'Objc' . unicode('') . key('brushPreset') . pack('N', 2)
              . key('Nm  ') . 'TEXT' . unicode("Brush $i") . key('Brsh') . $tip;
}
my $desc = pack('NNnN', 16, 1, 0, 0) . 'null' . pack('N', 1) . key('Brsh')
         . 'VlLs' . pack('N', scalar @ids) . $presets;

open(my $out, '>:raw', $path) or die "$path: $!";
print $out pack('nn', 6, 2), '8BIMsamp', pack('N', length $samp), $samp,
           '8BIMdesc', pack('N', length $desc), $desc;
close($out) or die "$path: $!";
printf "made %s: %d samples\n", $path, scalar @ids;
PERL
fi

bytes=$(stat -c %s "$file")
brushes=$("$cli" list "$file" | tail -n 1)
echo "file: $file ($bytes bytes) -> $brushes"

# Best and median of the runs, after one warm-up run of each; the median in microseconds is
# left in $median_us.
measure() {
  local times=()
  "$@" >/dev/null
  for ((i = 0; i < runs; ++i)); do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    times+=($(((end - start) / 1000)))
  done
  median_us=$(printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }')
  local best_us
  best_us=$(printf '%s\n' "${times[@]}" | sort -n | head -n 1)
  awk -v best="$best_us" -v med="$median_us" -v bytes="$bytes" 'BEGIN {
    printf "best %.3f s, median %.3f s, %.0f MB/s (median)\n", best / 1e6, med / 1e6, bytes / med }'
}

printf 'kelbrin-cli list:   '
measure "$cli" list "$file"
list_us=$median_us
printf 'cat FILE:           '
measure cat "$file"
awk -v l="$list_us" -v c="$median_us" 'BEGIN { printf "list / cat (medians): %.2f\n", l / c }'
