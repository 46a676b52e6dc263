#!/usr/bin/env bash
# Makes a synthetic 64 MiB version-6 brush file at FILE unless it is there already:
#   bench/make_v6_64mb.sh FILE [SEED]
# The file holds a few hundred 8-bit samples of 480 x 460, every other one run-length
# compressed, and a descriptor naming them all. Files of different SEEDs (0 when left out)
# have the same layout and different pixels.
set -euo pipefail
file=$1
seed=${2:-0}
[[ -f "$file" ]] && exit 0
mkdir -p "$(dirname "$file")"
perl - "$file" "$seed" <<'PERL'
use strict;
my ($path, $seed) = @ARGV;
my ($w, $h) = (480, 460);
my $target = 64 * 1024 * 1024;

# One raw row, and one row as run-length frames: three 128-byte literals and a 96-byte run.
my $raw_row = join('', map { chr(($_ * 7 + $seed * 31) & 255) } 0 .. $w - 1);
my $literal = join('', map { chr(($_ * 13 + 1 + $seed * 17) & 255) } 0 .. 127);
my $rle_row = (chr(127) . $literal) x 3 . pack('c', -95) . chr((200 + $seed) & 255);

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
