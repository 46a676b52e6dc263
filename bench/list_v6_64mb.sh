#!/usr/bin/env bash
# Reading speed of a large version-6 brush file: times a plain `kelbrin-cli list` (whole
# process, warm cache) of a synthetic 64 MiB file beside `cat FILE > /dev/null`.
#   bench/list_v6_64mb.sh [RUNS]
# The file (made by bench/make_v6_64mb.sh) holds a few hundred 8-bit samples of 480 x 460,
# every other one run-length compressed, and a descriptor naming them all. Goal: 64 MiB listed in 0.10 s or less (median
# of the runs), about 640 MB/s; the ratio to cat says how close to reading the bytes at all.
# Then the same for a file of 2,000 presets with every settings group on (made by
# bench/make_presets_2000.sh): reading the settings should cost at most 10 % over listing the
# tips alone. BASELINE_CLI=PATH times another kelbrin-cli beside this one on both files, for a
# before-and-after comparison of a change.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
build_dir=${BUILD_DIR:-build}/release

scripts/configure.sh release
cmake --build "$build_dir" --target kelbrin-cli >/dev/null
cli=$build_dir/src/kelbrin-cli

file=$build_dir/bench-v6-64mb.abr
bench/make_v6_64mb.sh "$file"

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
if [[ -n "${BASELINE_CLI:-}" ]]; then
  printf 'baseline list:      '
  measure "$BASELINE_CLI" list "$file"
fi

presets=$build_dir/bench-presets-2000.abr
bench/make_presets_2000.sh "$presets"
bytes=$(stat -c %s "$presets")
echo "file: $presets ($bytes bytes) -> $("$cli" list "$presets" | tail -n 1)"
printf 'kelbrin-cli list:   '
measure "$cli" list "$presets"
if [[ -n "${BASELINE_CLI:-}" ]]; then
  new_us=$median_us
  printf 'baseline list:      '
  measure "$BASELINE_CLI" list "$presets"
  awk -v n="$new_us" -v b="$median_us" 'BEGIN { printf "this / baseline (medians): %.2f\n", n / b }'
fi
