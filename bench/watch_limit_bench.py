#!/usr/bin/env python3
"""How `kelbrin-cli find --watch` copes when the kernel grants fewer folder watches than the tree
has folders.

The program runs in a user namespace of its own whose inotify watch limit
(/proc/sys/user/max_inotify_watches, the per-namespace twin of fs.inotify.max_user_watches) is
lowered, so the limit of everything else on the machine stays as it is. On the tree that
bench/discovery_bench.py builds (20,220 folders), once the first phase is done:
  * a churn: brush files created in and deleted from random leaf folders (most of them beyond
    the limit, so unwatched); files missing from and stale in the printed list at 2, 5 and 10 s
    after it, and when the list was first right;
  * CPU time the program uses per minute while nothing changes;
  * how many lines it logged, and how many of them speak of the watch limit.

usage: bench/watch_limit_bench.py [--cli PATH] [--tree DIR] [--limit N] [--idle SECONDS]
                                  [--churn N] [--stalls]
"""
import argparse
import os
import random
import shutil
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from discovery_bench import build_tree  # noqa: E402

TICKS = os.sysconf("SC_CLK_TCK")


class Listing:
    """The brush files the program has printed so far, kept from its add/delete/move lines."""

    def __init__(self, proc):
        self.proc = proc
        self.paths = set()
        self.seen_at = {}  # path -> when its add or delete line came
        self.done = threading.Event()
        self.log = []
        self.lock = threading.Lock()
        threading.Thread(target=self.read_out, daemon=True).start()
        threading.Thread(target=self.read_err, daemon=True).start()

    def read_out(self):
        for raw in self.proc.stdout:
            line = raw.decode("utf-8", "replace").rstrip("\n")
            with self.lock:
                if line == "first-phase-done":
                    self.done.set()
                elif line.startswith("add "):
                    path = line[4:].rsplit(" ", 1)[0]
                    self.paths.add(path)
                    self.seen_at[path] = time.monotonic()
                elif line.startswith("delete "):
                    # A folder's line stands for everything below it.
                    gone = line[7:]
                    self.paths = {p for p in self.paths if p != gone and not p.startswith(gone + "/")}
                    self.seen_at[gone] = time.monotonic()
                elif line.startswith(("move ", "rename ")):
                    _, old, new = line.split(" ")[:3]
                    moved = {p for p in self.paths if p == old or p.startswith(old + "/")}
                    self.paths -= moved
                    for p in moved:
                        self.paths.add(new + p[len(old):])
                        self.seen_at[new + p[len(old):]] = time.monotonic()

    def read_err(self):
        for raw in self.proc.stderr:
            with self.lock:
                self.log.append(raw.decode("utf-8", "replace").rstrip("\n"))

    def brushes(self):
        with self.lock:
            return {p for p in self.paths if p.endswith(".abr")}


def on_disk(tree):
    found = set()
    for folder, _, files in os.walk(tree):
        found.update(os.path.join(folder, f) for f in files if f.endswith(".abr"))
    return found


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", default="build/release/src/kelbrin-cli")
    parser.add_argument("--tree", default="/tmp/kelbrin-bench-tree")
    parser.add_argument("--limit", type=int, default=2000)
    parser.add_argument("--idle", type=float, default=30.0)
    parser.add_argument("--churn", type=int, default=300, help="files created (half as many deleted)")
    parser.add_argument("--stalls", action="store_true",
                        help="report the longest event-loop stall (its 2 ms probe costs CPU of its own)")
    args = parser.parse_args()
    if not os.access(args.cli, os.X_OK):
        sys.exit(f"{args.cli} is not built")
    build_tree(args.tree)
    # Brush files a previous run left behind.
    for path in on_disk(args.tree):
        if os.path.basename(path).startswith("churn"):
            os.remove(path)

    script = (f"echo {args.limit} > /proc/sys/user/max_inotify_watches && "
              f'exec "$0" find --watch {"--stalls" if args.stalls else ""} "$1"')
    proc = subprocess.Popen(["unshare", "-U", "-r", "sh", "-c", script, args.cli, args.tree],
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    listing = Listing(proc)
    start = time.monotonic()
    if not listing.done.wait(120):
        proc.kill()
        sys.exit("no first-phase-done within 120 s")
    print(f"watch limit {args.limit}; first phase done after {time.monotonic() - start:.1f} s")
    time.sleep(3)

    rng = random.Random(5)
    existing = sorted(on_disk(args.tree))
    leaves = [os.path.join(args.tree, f"a{a}", f"b{b}", f"c{c}")
              for a in range(20) for b in range(10) for c in range(100)]
    churn_start = time.monotonic()
    deleted = rng.sample(existing, args.churn // 2)
    made_at = {}
    for path in deleted:
        os.remove(path)
        made_at[path] = time.monotonic()
    for i in range(args.churn):
        path = os.path.join(rng.choice(leaves), f"churn{i}.abr")
        open(path, "wb").close()
        made_at[path] = time.monotonic()
    # New folders with a brush file in each, and folders holding brush files renamed.
    for i in range(args.churn // 10):
        folder = os.path.join(rng.choice(leaves), f"churn-folder{i}")
        os.makedirs(folder)
        path = os.path.join(folder, "b.abr")
        open(path, "wb").close()
        made_at[path] = time.monotonic()
    renamed = []
    for leaf in rng.sample(sorted({os.path.dirname(p) for p in existing if p not in deleted}),
                           args.churn // 20):
        os.rename(leaf, leaf + "-churn")
        renamed.append(leaf)
        for name in os.listdir(leaf + "-churn"):
            if name.endswith(".abr"):
                made_at[os.path.join(leaf + "-churn", name)] = time.monotonic()
    truth = on_disk(args.tree)
    churned = time.monotonic()
    print(f"churn: {args.churn // 2} brush files deleted, {args.churn} created, "
          f"{args.churn // 10} folders made with one in each, {len(renamed)} folders holding "
          f"brush files renamed, in {churned - churn_start:.2f} s")

    right_at = None
    for mark in (2, 5, 10, 20, 60, 200):
        while True:
            seen = listing.brushes()
            if seen == truth and right_at is None:
                right_at = time.monotonic() - churned
            if time.monotonic() - churned >= mark:
                break
            time.sleep(0.05)
        seen = listing.brushes()
        print(f"  at {mark:3d} s: {len(truth - seen):4d} missing, {len(seen - truth):4d} stale")
        if right_at is not None and mark >= 10:
            break
    print("list right " + (f"{right_at:.1f} s after the churn ended" if right_at is not None
                           else "> 200 s after the churn"))
    with listing.lock:
        delays = sorted(listing.seen_at[p] - t for p, t in made_at.items() if p in listing.seen_at)
    if delays:
        print(f"each change to its line: median {delays[len(delays) // 2]:.1f} s, "
              f"max {delays[-1]:.1f} s ({len(delays)} of {len(made_at)} changes reported)")

    before = cpu_seconds(proc.pid)
    time.sleep(args.idle)
    used = cpu_seconds(proc.pid) - before
    print(f"idle: {used * 60 / args.idle * 1000:.0f} ms of CPU per minute "
          f"(over {args.idle:.0f} s)")

    proc.terminate()
    proc.wait()
    time.sleep(0.2)
    with listing.lock:
        log = list(listing.log)
    stall = [l for l in log if l.startswith("longest event-loop stall")]
    log = [l for l in log if not l.startswith("longest event-loop stall")]
    if stall:
        print(stall[0])
    about_limit = [l for l in log if "watch" in l.lower()]
    print(f"log: {len(log)} lines, {len(about_limit)} of them about watches:")
    for line in about_limit[:3]:
        print("   ", line)
    kinds = {}
    for line in log:
        kinds[line[:60]] = kinds.get(line[:60], 0) + 1
    for kind, count in sorted(kinds.items(), key=lambda k: -k[1])[:4]:
        print(f"    {count:6d} x {kind}...")
    # The tree as it was, for the next run.
    for leaf in renamed:
        os.rename(leaf + "-churn", leaf)
    for path in on_disk(args.tree):
        if os.path.basename(path).startswith("churn"):
            os.remove(path)
        elif os.path.basename(os.path.dirname(path)).startswith("churn-folder"):
            shutil.rmtree(os.path.dirname(path))
    for path in deleted:
        open(path, "wb").close()


if __name__ == "__main__":
    main()
