#!/usr/bin/env bash
# Conversion speed: times `kelbrin-cli convert --to gimp` and `--to krita` of the synthetic
# 64 MiB version-6 file (bench/make_v6_64mb.sh) beside `kelbrin-cli list` of it, whole
# processes, warm cache; each run writes into a fresh folder. Also the largest peak resident
# memory of the runs: a convert holds the brushes it read, but each converted file only while
# it is written. With BASELINE naming another kelbrin-cli, each command runs with it in turn
# (this build, then the baseline), and both sets of figures are printed.
#   [BASELINE=/path/to/kelbrin-cli] bench/convert_64mb.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
build_dir=${BUILD_DIR:-build}/release
scripts/configure.sh release && cmake --build "$build_dir" --target kelbrin-cli >/dev/null
cli=$(realpath "$build_dir/src/kelbrin-cli") file=$(realpath -m "$build_dir/bench-v6-64mb.abr")
baseline=${BASELINE:-}
bench/make_v6_64mb.sh "$file"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
echo "file: $file ($(stat -c %s "$file") bytes) -> $("$cli" list "$file" | tail -n 1)"

declare -A median_us peak_kb
# Runs each of the programs named (this build, the baseline) in turn, RUNS times after one
# warm-up run each; keeps the median in microseconds and the largest peak resident memory of
# each under "<label> <program>". The rest is the command after the program, with RUN
# replaced by a new folder each time.
measure() {
  local label=$1 programs=("$cli")
  shift
  [[ -n "$baseline" ]] && programs+=("$baseline")
  declare -A times=()
  local n=0
  for ((i = 0; i <= runs; ++i)); do
    for program in "${programs[@]}"; do
      local dir="$out/run$((n++))" start end kb key="$label $program"
      mkdir "$dir"
      start=$(date +%s%N)
      /usr/bin/time -f '%M' -o "$out/kb" "$program" "${@//RUN/$dir}" >/dev/null 2>&1
      end=$(date +%s%N)
      kb=$(tail -n 1 "$out/kb")
      ((kb > ${peak_kb[$key]:-0})) && peak_kb[$key]=$kb
      ((i > 0)) && times[$key]+="$(((end - start) / 1000)) "
    done
  done
  # The written folders go after the runs, so that no run follows the removal of another's.
  rm -rf "$out"/run*
  for program in "${programs[@]}"; do
    local key="$label $program"
    median_us[$key]=$(printf '%s\n' ${times[$key]} | sort -n |
      awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }')
    printf '%-20s %-10s median %.3f s, %.1f MB peak resident\n' "$label" \
      "$([[ $program == "$cli" ]] && echo this || echo baseline)" \
      "$(awk -v m="${median_us[$key]}" 'BEGIN { print m / 1e6 }')" \
      "$(awk -v k="${peak_kb[$key]}" 'BEGIN { print k / 1024 }')"
  done
}

measure "kelbrin-cli list" list "$file"
measure "convert --to gimp" convert --to gimp --out RUN "$file"
measure "convert --to krita" convert --to krita --out RUN "$file"
for program in "$cli" ${baseline:+"$baseline"}; do
  awk -v l="${median_us["kelbrin-cli list $program"]}" \
    -v g="${median_us["convert --to gimp $program"]}" \
    -v k="${median_us["convert --to krita $program"]}" \
    -v who="$([[ $program == "$cli" ]] && echo this || echo baseline)" \
    'BEGIN { printf "%-8s gimp / list: %.2f, krita / list: %.2f (medians)\n", who, g / l, k / l }'
done
