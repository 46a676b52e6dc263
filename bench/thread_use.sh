#!/usr/bin/env bash
# Runs a command and prints, for each of its threads, the CPU time it used, its nice value and
# its context switches, read from /proc every 20 ms while it runs: which threads did a program's
# work, and at what priority. A thread's figures are as last seen, up to 20 ms before it ended.
#
#   bench/thread_use.sh build/release/bench/bench_library /tmp/lib background
set -euo pipefail
if [[ $# -eq 0 ]]; then
  echo "usage: $0 COMMAND [ARGUMENT...]" >&2
  exit 2
fi
samples=$(mktemp)
trap 'rm -f "$samples"' EXIT
"$@" &
pid=$!
ticks=$(getconf CLK_TCK)
while kill -0 "$pid" 2>/dev/null; do
  for task in /proc/"$pid"/task/*; do
    stat=$(cat "$task/stat" 2>/dev/null) || continue
    name=$(cat "$task/comm" 2>/dev/null) || continue
    # The fields after the name, which may hold spaces: utime and stime are the 12th and 13th,
    # nice the 17th.
    read -r -a fields <<<"${stat##*) }"
    switches=$(awk '/^voluntary_ctxt_switches/ {v = $2} /^nonvoluntary_ctxt_switches/ {n = $2}
                    END {print v, n}' "$task/status" 2>/dev/null) || continue
    echo "${task##*/}|$name|${fields[11]}|${fields[12]}|${fields[16]}|$switches" >>"$samples"
  done
  sleep 0.02
done
wait "$pid" || true
awk -F'|' -v ticks="$ticks" '
  { last[$1] = $0 }
  END {
    printf "%-8s %-16s %5s %8s %10s %12s\n", "thread", "name", "nice", "CPU s", "voluntary", "involuntary"
    for (tid in last) {
      split(last[tid], f, "|")
      split(f[6], s, " ")
      printf "%-8s %-16s %5s %8.2f %10d %12d\n", tid, f[2], f[5], (f[3] + f[4]) / ticks, s[1], s[2] | "sort -n"
      cpu[f[5]] += (f[3] + f[4]) / ticks
      total += s[1] + s[2]
    }
    close("sort -n")
    for (nice in cpu)
      printf "CPU at nice %s: %.2f s\n", nice, cpu[nice]
    printf "context switches: %d\n", total
  }' "$samples"
