#!/usr/bin/env bash
# Conversion speed: times `kelbrin-cli convert --to gimp` and `--to krita` of the synthetic
# 64 MiB version-6 file (bench/make_v6_64mb.sh) beside `kelbrin-cli list` of it, whole
# processes, warm cache; each run writes into a fresh folder. Also the largest peak resident
# memory of the runs: a convert holds the brushes it read, but each converted file only while
# it is written.
#   bench/convert_64mb.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
build_dir=${BUILD_DIR:-build}/release
scripts/configure.sh release && cmake --build "$build_dir" --target kelbrin-cli >/dev/null
cli=$(realpath "$build_dir/src/kelbrin-cli") file=$(realpath -m "$build_dir/bench-v6-64mb.abr")
bench/make_v6_64mb.sh "$file"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
echo "file: $file ($(stat -c %s "$file") bytes) -> $("$cli" list "$file" | tail -n 1)"

# Median of the runs in microseconds, after one warm-up run, and the largest peak resident
# memory; $1 names the command for the line, the rest is run with RUN replaced by a new folder
# each time.
measure() {
  local label=$1 times=() n=0 peak_kb=0
  shift
  for ((i = 0; i <= runs; ++i)); do
    local dir="$out/run$((n++))" start end kb
    mkdir "$dir"
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$out/kb" "${@//RUN/$dir}" >/dev/null 2>&1
    end=$(date +%s%N)
    kb=$(tail -n 1 "$out/kb")
    ((kb > peak_kb)) && peak_kb=$kb
    ((i > 0)) && times+=($(((end - start) / 1000)))
    rm -rf "$dir"
  done
  median_us=$(printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }')
  printf '%-22s median %.3f s, %.1f MB peak resident\n' "$label" \
    "$(awk -v m="$median_us" 'BEGIN { print m / 1e6 }')" "$(awk -v k="$peak_kb" 'BEGIN { print k / 1024 }')"
}

measure "kelbrin-cli list" "$cli" list "$file"
list_us=$median_us
measure "convert --to gimp" "$cli" convert --to gimp --out RUN "$file"
gimp_us=$median_us
measure "convert --to krita" "$cli" convert --to krita --out RUN "$file"
krita_us=$median_us
awk -v l="$list_us" -v g="$gimp_us" -v k="$krita_us" \
  'BEGIN { printf "gimp / list: %.2f, krita / list: %.2f (medians)\n", g / l, k / l }'
