#!/usr/bin/env bash
# Reading speed of large version-6 brush files: times a plain `kelbrin-cli list` (whole process,
# warm cache) of four synthetic 64 MiB files beside `cat` of the same four to /dev/null.
#   bench/list_v6_64mb.sh [RUNS]
# Each file (made by bench/make_v6_64mb.sh, one seed each, so the four differ) holds a few
# hundred 8-bit samples of 480 x 460, every other one run-length compressed, and a descriptor
# naming them all. Goal: the four listed within 3 times the time of cat (median of the runs);
# the ratio says how close the listing comes to reading the bytes at all.
# Then the same for a file of 2,000 presets with every settings group on (made by
# bench/make_presets_2000.sh): reading the settings should cost at most 10 % over listing the
# tips alone. BASELINE_CLI=PATH times another kelbrin-cli beside this one on both, for a
# before-and-after comparison of a change.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
build_dir=${BUILD_DIR:-build}/release

scripts/configure.sh release
cmake --build "$build_dir" --target kelbrin-cli >/dev/null
cli=$build_dir/src/kelbrin-cli

files=()
for seed in 0 1 2 3; do
  file=$build_dir/bench-v6-64mb$([[ $seed == 0 ]] || echo "-$seed").abr
  bench/make_v6_64mb.sh "$file" "$seed"
  files+=("$file")
done
bytes=$(stat -c %s "${files[@]}" | awk '{ s += $1 } END { print s }')
for file in "${files[@]}"; do
  echo "file: $file ($(stat -c %s "$file") bytes) -> $("$cli" list "$file" | tail -n 1)"
done

# Times the commands given as strings in turn, round after round (so a drift of the machine's
# speed touches them all alike), after one warm-up round; prints each one's best and median and
# leaves the medians in microseconds in $medians.
measure() {
  local labels=() commands=() n=0 i j
  while (($#)); do
    labels+=("$1")
    commands+=("$2")
    shift 2
    n=$((n + 1))
  done
  local times=()
  for ((j = 0; j < n; ++j)); do eval "${commands[j]}" >/dev/null; done
  for ((i = 0; i < runs; ++i)); do
    for ((j = 0; j < n; ++j)); do
      local start end
      start=$(date +%s%N)
      eval "${commands[j]}" >/dev/null
      end=$(date +%s%N)
      times[j * runs + i]=$(((end - start) / 1000))
    done
  done
  medians=()
  for ((j = 0; j < n; ++j)); do
    local sorted
    sorted=$(printf '%s\n' "${times[@]:j*runs:runs}" | sort -n)
    local median best
    median=$(awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }' <<<"$sorted")
    best=$(head -n 1 <<<"$sorted")
    medians+=("$median")
    awk -v label="${labels[j]}" -v best="$best" -v med="$median" -v bytes="$bytes" 'BEGIN {
      printf "%-20s best %.3f s, median %.3f s, %.0f MB/s (median)\n", label ":", best / 1e6, med / 1e6, bytes / med }'
  done
}

quoted=$(printf '%q ' "${files[@]}")
echo "the four files together ($bytes bytes):"
if [[ -n "${BASELINE_CLI:-}" ]]; then
  measure "kelbrin-cli list" "$(printf %q "$cli") list $quoted" "cat FILES" "cat $quoted" \
    "baseline list" "$(printf %q "$BASELINE_CLI") list $quoted"
else
  measure "kelbrin-cli list" "$(printf %q "$cli") list $quoted" "cat FILES" "cat $quoted"
fi
awk -v l="${medians[0]}" -v c="${medians[1]}" 'BEGIN { printf "list / cat (medians): %.2f\n", l / c }'
if [[ -n "${BASELINE_CLI:-}" ]]; then
  awk -v l="${medians[2]}" -v c="${medians[1]}" 'BEGIN { printf "baseline list / cat (medians): %.2f\n", l / c }'
  awk -v n="${medians[0]}" -v b="${medians[2]}" 'BEGIN { printf "this / baseline (medians): %.2f\n", n / b }'
fi

presets=$build_dir/bench-presets-2000.abr
bench/make_presets_2000.sh "$presets"
bytes=$(stat -c %s "$presets")
echo "file: $presets ($bytes bytes) -> $("$cli" list "$presets" | tail -n 1)"
if [[ -n "${BASELINE_CLI:-}" ]]; then
  measure "kelbrin-cli list" "$(printf %q "$cli") list $(printf %q "$presets")" \
    "baseline list" "$(printf %q "$BASELINE_CLI") list $(printf %q "$presets")"
  awk -v n="${medians[0]}" -v b="${medians[1]}" 'BEGIN { printf "this / baseline (medians): %.2f\n", n / b }'
else
  measure "kelbrin-cli list" "$(printf %q "$cli") list $(printf %q "$presets")"
fi
