#!/usr/bin/env bash
# How long the window program takes to quit: it is started on a made-up home folder (FOLDERS
# folders with a brush file each) with a brush file open, left to settle for SETTLE seconds,
# sent SIGTERM (which quits as File ▸ Quit does), and timed until the process has ended.
# Prints the time of each run and the worst. Runs offscreen, so no display is needed.
#   bench/quit_time.sh [RUNS] [SETTLE] [FOLDERS]   (BUILD_DIR/PRESET pick the build; dev)
# Goal: under 0.2 s.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
settle=${2:-3}
folders=${3:-2000}
preset=${PRESET:-dev}
build_dir=${BUILD_DIR:-build}/$preset
kelbrin=$build_dir/src/app/kelbrin
[[ -x $kelbrin ]] || { echo "build the kelbrin target of $build_dir first" >&2; exit 1; }

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
python3 - "$home" "$folders" <<'PY'
import os, sys
home, folders = sys.argv[1], int(sys.argv[2])
brush = open("tests/read/agpsd_simple.abr", "rb").read()
for i in range(folders):
    folder = f"{home}/Pictures/set{i // 100}/f{i}"
    os.makedirs(folder)
    with open(f"{folder}/b.abr", "wb") as f:
        f.write(brush)
PY
# The tree just written is still being flushed; the window's settings are written with
# fdatasync when it closes, which would wait for that.
sync
mkdir -p "$home/media" "$home/run"
chmod 700 "$home/run"

worst=0
for ((r = 1; r <= runs; r++)); do
  HOME=$home XDG_RUNTIME_DIR=$home/run KELBRIN_VOLUMES_FOLDER=$home/media \
    QT_QPA_PLATFORM=offscreen "$kelbrin" tests/read/agpsd_sample-and-pattern.abr \
    >/dev/null 2>&1 &
  pid=$!
  sleep "$settle"
  start=$(date +%s%N)
  kill -TERM "$pid"
  status=0
  wait "$pid" || status=$?
  ms=$((($(date +%s%N) - start) / 1000000))
  ((ms > worst)) && worst=$ms
  echo "run $r: quit in $ms ms (exit status $status)"
done
echo "worst: $worst ms"
