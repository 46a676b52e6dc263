#!/usr/bin/env bash
# Reading speed of a large version-6 brush file: times a plain `kelbrin-cli list` (whole
# process, warm cache) of a synthetic 64 MiB file beside `cat FILE > /dev/null`.
#   bench/list_v6_64mb.sh [RUNS]
# The file is made by bench/make_v6_64mb.sh. Goal: 64 MiB listed in under 0.22 s.
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

# Best and median of the runs, after one warm-up run of each.
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
  printf '%s\n' "${times[@]}" | sort -n | awk -v bytes="$bytes" '
    { t[NR] = $1 }
    END { best = t[1]; med = t[int((NR + 1) / 2)];
          printf "best %.3f s, median %.3f s, %.0f MB/s (best)\n", best / 1e6, med / 1e6, bytes / best }'
}

printf 'kelbrin-cli list:   '
measure "$cli" list "$file"
printf 'cat FILE:           '
measure cat "$file"
