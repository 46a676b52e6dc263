#!/usr/bin/env bash
# Worst wall time and peak memory of `kelbrin-thumbnailer -s 256` over the real brush files
# (tests/read and the corpus, when there is one), a synthetic 64 MiB version-6 file and a small
# hostile file whose one brush claims 289 MB of pixels. Each file runs RUNS times, warm cache.
#   bench/thumbnailer.sh [RUNS] [MORE FILES...]
# Goal: under 0.5 s and 256 MB for every file.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
shift || true
build_dir=${BUILD_DIR:-build}/release

scripts/configure.sh release
cmake --build "$build_dir" --target kelbrin-thumbnailer >/dev/null
thumbnailer=$build_dir/src/thumbnailer/kelbrin-thumbnailer

big=$build_dir/bench-v6-64mb.abr
bench/make_v6_64mb.sh "$big"
hostile=$build_dir/bench-hostile-289mb.abr
if [[ ! -f "$hostile" ]]; then
  # Version 1, one sampled 17000 x 17000 brush whose run-length rows all repeat zero.
  perl -e '
    my $side = 17000; my $row = "";
    for (my $left = $side; $left > 0; $left -= 128) { my $n = $left < 128 ? $left : 128; $row .= chr(257 - $n) . "\0" }
    my $rec = pack("Nn", 0, 0) . "\0" x 9 . pack("NNNNnC", 0, 0, $side, $side, 8, 1) . pack("n", 0) x $side . $row x $side;
    print pack("nn", 1, 1), pack("nN", 2, length $rec), $rec;' >"$hostile"
fi

files=(tests/read/*.abr "$big" "$hostile" "$@")
# The corpus's files that are not already among the test data.
for file in /work/shared/corpus/*.abr; do
  [[ -f "$file" && ! -f tests/read/$(basename "$file") ]] && files+=("$file")
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

printf '%-34s %10s %8s %9s %s\n' file bytes "worst s" "peak MB" exit
worst_time=0 worst_kb=0
for file in "${files[@]}"; do
  t_max=0 kb_max=0 status=0
  for ((i = 0; i < runs; ++i)); do
    status=0
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$out/kb" "$thumbnailer" -s 256 "$file" "$out/t.png" 2>/dev/null ||
      status=$?
    t=$(awk -v ns="$(($(date +%s%N) - start))" 'BEGIN { print ns / 1e9 }')
    kb=$(tail -n 1 "$out/kb") # after "Command exited with non-zero status N"
    t_max=$(awk -v a="$t" -v b="$t_max" 'BEGIN { print (a > b) ? a : b }')
    ((kb > kb_max)) && kb_max=$kb
  done
  printf '%-34s %10d %8.3f %9.1f %d\n' "$(basename "$file")" "$(stat -c %s "$file")" "$t_max" \
    "$(awk -v k="$kb_max" 'BEGIN { print k / 1024 }')" "$status"
  worst_time=$(awk -v a="$t_max" -v b="$worst_time" 'BEGIN { print (a > b) ? a : b }')
  ((kb_max > worst_kb)) && worst_kb=$kb_max
done
printf 'worst over %d files: %.3f s, %.1f MB peak resident\n' "${#files[@]}" "$worst_time" \
  "$(awk -v k="$worst_kb" 'BEGIN { print k / 1024 }')"
