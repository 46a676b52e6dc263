#!/usr/bin/env bash
# Makes a synthetic version-6 brush file of 2,000 presets with every settings group on at FILE
# unless it is there already:
#   bench/make_presets_2000.sh FILE
# Every other preset paints with one of 20 stored samples of 64 x 64, at its own size; the
# others have computed tips. Each carries shape dynamics, scattering, texture, a dual brush,
# colour dynamics, transfer, brush pose, noise, wet edges, build-up, smoothing, protect texture
# and tool options, as Photoshop writes them.
set -euo pipefail
file=$1
[[ -f "$file" ]] && exit 0
mkdir -p "$(dirname "$file")"
perl - "$file" <<'PERL'
use strict;
my ($path) = @ARGV;
my ($presetCount, $sampleCount, $side) = (2000, 20, 64);

sub unicode { my ($s) = @_; pack('N', length($s) + 1) . join('', map { pack('n', ord) } split //, $s) . pack('n', 0) }
sub key { my ($k) = @_; pack('N', length($k) == 4 ? 0 : length($k)) . $k }
sub obj {
  my ($class, @members) = @_;
  my $o = 'Objc' . unicode('') . key($class) . pack('N', @members / 2);
  for (my $i = 0; $i < @members; $i += 2) { $o .= key($members[$i]) . $members[$i + 1] }
  $o
}
sub untf { my ($u, $v) = @_; 'UntF' . $u . pack('d>', $v) }
sub prc { untf('#Prc', $_[0]) }
sub lng { 'long' . pack('N', $_[0] & 0xffffffff) }
sub dbl { 'doub' . pack('d>', $_[0]) }
sub bln { 'bool' . chr($_[0] ? 1 : 0) }
sub text { 'TEXT' . unicode($_[0]) }
sub enm { 'enum' . key($_[0]) . key($_[1]) }
sub dyn { my ($c, $j, $m) = @_; obj('brVr', bVTy => lng($c), fStp => lng(25), jitter => prc($j), 'Mnm ' => prc($m)) }

my $samp = '';
my @ids;
for my $i (0 .. $sampleCount - 1) {
  my $id = sprintf('%08x-0000-4000-8000-%012x', $i, $i);
  push @ids, $id;
  my $pixels = join('', map { chr(($_ * 7 + $i) & 255) } 0 .. $side * $side - 1);
  my $rec = chr(length $id) . $id . ("\0" x 264) . pack('NNNNnC', 0, 0, $side, $side, 8, 0) . $pixels;
  $samp .= pack('N', length $rec) . $rec;
  $samp .= "\0" x ((4 - length($samp) % 4) % 4);
}

my $presets = '';
for my $i (0 .. $presetCount - 1) {
  my @common = (Dmtr => untf('#Pxl', 20 + $i % 80), Angl => untf('#Ang', $i % 90), Rndn => prc(60 + $i % 40),
                Spcn => prc(5 + $i % 20), Intr => bln(1), flipX => bln($i % 2), flipY => bln(0));
  my $tip = $i % 2
    ? obj('sampledBrush', @common, 'Nm  ' => text('Sampled Tip'), sampledData => text($ids[int($i / 2) % $sampleCount]))
    : obj('computedBrush', @common, Hrdn => prc($i % 100));
  my $dual = obj('dualBrush', useDualBrush => bln(1), Flip => bln(1),
                 Brsh => obj('computedBrush', Dmtr => untf('#Pxl', 25), Hrdn => prc(0), Angl => untf('#Ang', 0),
                             Rndn => prc(100), Spcn => prc(25), Intr => bln(1), flipX => bln(0), flipY => bln(0)),
                 BlnM => enm('BlnM', 'colorBurn'), useScatter => bln(1), Cnt => dbl(2), bothAxes => bln(0),
                 countDynamics => dyn(0, 0, 0), scatterDynamics => dyn(0, 30, 0));
  $presets .= obj('brushPreset', 'Nm  ' => text("Preset $i"), Brsh => $tip,
    useTipDynamics => bln(1), flipX => bln(1), flipY => bln(0), brushProjection => bln(0),
    minimumDiameter => prc(20), minimumRoundness => prc(25), tiltScale => prc(200),
    szVr => dyn(2, 10, 5), angleDynamics => dyn(7, 10, 0), roundnessDynamics => dyn(0, 30, 0),
    useScatter => bln(1), 'Cnt ' => dbl(4), bothAxes => bln(1), countDynamics => dyn(0, 50, 0),
    scatterDynamics => dyn(0, 250, 0), dualBrush => $dual,
    brushGroup => obj('brushGroup', useBrushGroup => bln(0)),
    useTexture => bln(1), TxtC => bln(1), interpretation => bln(1),
    textureBlendMode => enm('BlnM', 'linearHeight'), textureDepth => prc(7), minimumDepth => prc(0),
    textureDepthDynamics => dyn(2, 0, 0),
    Txtr => obj('Ptrn', 'Nm  ' => text('Gray Granite'), Idnt => text('e10cab7c-b898-11d7-b297-b8cf692e46ea')),
    textureScale => prc(62), InvT => bln(0), textureBrightness => lng(6), textureContrast => lng(-20),
    usePaintDynamics => bln(1), prVr => dyn(2, 0, 0), opVr => dyn(0, 25, 0), wtVr => dyn(0, 0, 0),
    mxVr => dyn(0, 0, 0), useColorDynamics => bln(1), colorDynamicsPerTip => bln(1), clVr => dyn(2, 10, 0),
    'H   ' => prc(5), Strt => prc(6), Brgh => prc(7), purity => prc(0),
    Wtdg => bln(1), Nose => bln(1), 'Rpt ' => bln(1), Smoo => bln(1), protectTexture => bln(1),
    useBrushSize => bln(1), useBrushPose => bln(1), overridePoseAngle => bln(0), overridePoseTiltX => bln(0),
    overridePoseTiltY => bln(0), overridePosePressure => bln(1), brushPosePressure => prc(9),
    brushPoseTiltX => lng(-54), brushPoseTiltY => lng(23), brushPoseAngle => lng(0),
    toolOptions => obj('PbTl', brushPreset => bln(1), flow => lng(100), 'Md  ' => enm('BlnM', 'normal'),
                       Opct => lng(100), smoothing => bln(1), smoothingValue => dbl(10)));
}
my $desc = pack('NNnN', 16, 1, 0, 0) . 'null' . pack('N', 1) . key('Brsh')
       . 'VlLs' . pack('N', $presetCount) . $presets;

open(my $out, '>:raw', $path) or die "$path: $!";
print $out pack('nn', 6, 2), '8BIMsamp', pack('N', length $samp), $samp,
         '8BIMdesc', pack('N', length $desc), $desc;
close($out) or die "$path: $!";
printf "made %s: %d presets over %d samples\n", $path, $presetCount, $sampleCount;
PERL
